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
    void ayuda_data();
    void ayuda();

    // Overlay pictures.
    void ilustraciones_se_reemplazan_y_un_clic_las_cierra();
    void ilustracion_que_no_se_puede_mostrar_data();
    void ilustracion_que_no_se_puede_mostrar();
    void dibujos_del_programa_en_la_superposicion();

    void leer_modelo();
    void ventana_del_modelo();
    void copias_reemplazan_el_portapapeles();

    // Pictures drawn by the program.
    void espectro_en_los_colores_del_programa_data();
    void espectro_en_los_colores_del_programa();
    void lupas();
    void ilustracion_del_modelo();
};
