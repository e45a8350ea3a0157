#pragma once

#include <QObject>

// The pointer over the main window: read-outs, the rubber band, the sector markers.
class PruebaPuntero : public QObject {
    Q_OBJECT
private slots:
    void lecturas_data();
    void lecturas();
    void lecturas_en_blanco();
    void la_banda_no_marca_la_grafica();
    void abre_el_zoom_data();
    void abre_el_zoom();
    void no_abre_nada_data();
    void no_abre_nada();
    // tst_marcadores.cpp
    void dejado_en_la_pantalla_data();
    void dejado_en_la_pantalla();
    void extremos_iguales_se_aceptan();
    void el_contorno_sigue_al_puntero_y_fuera_nada_cambia();
    void lupa_alterna_y_la_seleccion_la_suelta();
    void restaurar_la_vista_data();
    void restaurar_la_vista();
};
