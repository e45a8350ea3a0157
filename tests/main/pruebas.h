#pragma once

#include <QObject>

class PruebaTexto : public QObject {
    Q_OBJECT
private slots:
    void convertir_y_formato_data();
    void convertir_y_formato();
    void leer_numero_data();
    void leer_numero();
    void texto_en_el_locale_data();
    void texto_en_el_locale();
    void inic_mal_formado_data();
    void inic_mal_formado();
    void inic_bien_formado();
};

class PruebaInicio : public QObject {
    Q_OBJECT
private slots:
    void cajas_marcadores_y_estado_data();
    void cajas_marcadores_y_estado();
    void sector_de_06_muestra_051();
    void inic_invalido_avisa_y_usa_valores_de_fabrica_data();
    void inic_invalido_avisa_y_usa_valores_de_fabrica();
    void trazo_ausente_o_raro_apaga_la_documentacion_data();
    void trazo_ausente_o_raro_apaga_la_documentacion();
    void cuenta_los_archivos_de_sesion();
    void splash_termina_con_un_clic();
    void splash_sin_clic_abre_la_ventana_principal();
};

class PruebaGraficar : public QObject {
    Q_OBJECT
private slots:
    void rango_rechazado_data();
    void rango_rechazado();
    void coma_aceptada();
    void distancia_menor_que_el_ancho_data();
    void distancia_menor_que_el_ancho();
    void muestras_por_franja();
    void sector_de_una_sola_franja();
    void datos_y_lista_de_intensidades();
    void septima_curva_empieza_de_nuevo();
    void grilla_solo_en_la_primera_curva();
};
