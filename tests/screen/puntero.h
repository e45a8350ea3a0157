#pragma once

#include <QObject>

class PruebaLecturas : public QObject {
    Q_OBJECT
private slots:
    void sobre_la_grafica_data();
    void sobre_la_grafica();
    void sobre_el_sector_data();
    void sobre_el_sector();
    void sin_curvas_no_lee_y_el_fondo_vacia();
    void fuera_del_rango_del_seno();
};

class PruebaSeleccion : public QObject {
    Q_OBJECT
private slots:
    void la_banda_no_marca_la_grafica();
    void abre_el_zoom_data();
    void abre_el_zoom();
    void no_abre_nada_data();
    void no_abre_nada();
    void mas_alla_de_la_grafica_data();
    void mas_alla_de_la_grafica();
};

class PruebaMarcadores : public QObject {
    Q_OBJECT
private slots:
    void dejado_en_la_pantalla_data();
    void dejado_en_la_pantalla();
    void extremos_iguales_se_aceptan();
    void cruces_ignorados_data();
    void cruces_ignorados();
    void fuera_de_la_pantalla_o_sin_arrastre();
    void el_contorno_sigue_al_puntero();
};

class PruebaLupaYRestaurar : public QObject {
    Q_OBJECT
private slots:
    void lupa_alterna_y_la_seleccion_la_suelta();
    void restaurar_la_vista_data();
    void restaurar_la_vista();
};
