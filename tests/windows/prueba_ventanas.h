#pragma once

#include <QObject>

class Form1;
class QAction;
class QMenu;

// Opens `menu` on the main window's menu bar and clicks `accion` in it, as a
// user does with the mouse.
void elegir(Form1* f, QMenu* menu, QAction* accion);
// Presses "Graficar".
void graficar(Form1* f);

class PruebaVentanas : public QObject {
    Q_OBJECT
private slots:
    // Help messages.
    void mensajes_de_ayuda_data();
    void mensajes_de_ayuda();
    void ayuda_no_cambia_nada_data();
    void ayuda_no_cambia_nada();

    // Overlay pictures.
    void ilustraciones_se_reemplazan_y_un_clic_las_cierra();
    void espectro_dos_veces_se_cierra_con_un_clic();
    void ilustracion_que_no_se_puede_mostrar_data();
    void ilustracion_que_no_se_puede_mostrar();
    void dibujos_del_programa_en_la_superposicion();

    // Model window.
    void leer_modelo_data();
    void leer_modelo();
    void modelo_relee_el_texto_en_cada_activacion();
    void modelo_salir_oculta_y_conserva_la_ventana();
    void modelo_sin_texto();
    void modelo_pierde_el_texto_mientras_se_ve();

    // Clipboard.
    void copias_reemplazan_el_portapapeles_data();
    void copias_reemplazan_el_portapapeles();
    void copias_despues_de_graficar();

    // Pictures drawn by the program.
    void espectro_en_los_colores_del_programa_data();
    void espectro_en_los_colores_del_programa();
    void lupas();
    void ilustracion_del_modelo();
};
