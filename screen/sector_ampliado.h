#pragma once

#include "model/curva.h"

#include <QObject>

#include <array>
#include <cstdint>

class Diseno;
class Forma;
class PictureBox;
class QImage;
class QRadioButton;

// The enlarged sector of the screen, where the light falls as coloured bands:
// x 0..6 across (a column per curve), y the screen position from the upper end
// down to the lower one. Under it, the colour squares of the six columns and the
// band mode: one band across for all the curves ("Banda unica ", the colours of
// successive curves added, saturating at 255) or a column each ("Bandas
// separadas").
class SectorAmpliado : public QObject {
    Q_OBJECT
public:
    SectorAmpliado(QWidget* cliente, Diseno& diseno);

    // The bands of curve k (1..6): each row in the colour of its wavelength scaled
    // by the greatest intensity over the row, `filas`, relative to N². `solo_esta`
    // (the geometry being compared) starts each row from black instead of adding to it.
    void pintar(const Curva& c, int k, const std::array<double, filas_bandas>& filas,
                bool solo_esta);
    // Bands, accumulated colours, squares and the single-band caption.
    void borrar();
    // The bands curve k would take, shown over the sector until the next
    // preview, `quitar_previa()` or `borrar()`; nothing accumulates.
    void mostrar_previa(const Curva& c, int k, const std::array<double, filas_bandas>& filas,
                        bool solo_esta);
    void quitar_previa();

    bool banda_unica() const;
    // Single band while the geometry is compared: "último ensayo".
    void rotular_ultimo_ensayo();
    // Single band selected by a wavelength step while curves are compared, which
    // keeps them: "Intensidad total" (`mayuscula`) or "intensidad total".
    void elegir_banda_unica_por_paso(bool mayuscula);
    // A mode selected as the user does; a change clears the graph.
    void elegir_modo(bool banda_unica);
    QImage imagen() const;

signals:
    // The user changed the band mode: the graph starts over.
    void modo_cambiado();
    // The pointer over the sector, at the sine of its screen position; x is its
    // column position (0..6).
    void puntero_en(double seno, double x);

private:
    struct Acumulados {
        std::array<std::int16_t, filas_bandas> rojo{};
        std::array<std::int16_t, filas_bandas> verde{};
        std::array<std::int16_t, filas_bandas> azul{};
    };
    // The bands of curve k drawn from `acumulados`, which take its light.
    void dibujar(const Curva& c, int k, const std::array<double, filas_bandas>& filas,
                 bool solo_esta, Acumulados& acumulados);
    void crear_controles(QWidget* cliente);
    void al_elegir(int opcion);
    void borrar_acumulados();

    Diseno& diseno_;
    PictureBox* sector_ = nullptr;
    std::array<Forma*, 7> cuadros_bandas_{}; // 1..6
    QRadioButton* opcion_banda_unica_ = nullptr;
    QRadioButton* opcion_bandas_separadas_ = nullptr;
    // The colour accumulated in each band row.
    Acumulados acumulados_;
    // A wavelength step is selecting single band: the selection keeps the graph.
    bool cambio_spin_ = false;
};
