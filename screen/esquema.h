#pragma once

// screen/: the left half of the window. esquema: the sketch of the experiment
// with the screen strip and its sector markers (marcador); sector_ampliado: the
// enlarged sector with the light's bands and the band mode.

#include "model/color.h"
#include "model/fijo.h"
#include "model/parametros.h"
#include "toolkit/parametros_observables.h"

#include <QObject>

#include <optional>
#include <utility>

class Diseno;
class Forma;
class Marcador;
class PictureBox;
class QPointF;

// Where a position Y of the screen strip (a tangent) stands on the sketch: the
// height 1.155 Y - 0.62 in the window's own coordinates, as the connector lines
// leave the strip.
double altura_en_ventana(double Y);

// The sketch of the experiment on the window's own surface (x 0..10, y 2.5 down
// to -3.5): the emitter, the beam and rays in the colour of the light, the
// grating, and the screen seen edge-on as a strip (y 2.2 down to -2.2, in
// tangents) with the markers and grey masks of the sector under study, and the
// two connector lines from the sector to its enlargement. It follows the
// parameter set: the rays its wavelength, the markers, masks and lines its
// sector's ends.
class Esquema : public QObject {
    Q_OBJECT
public:
    Esquema(QWidget* cliente, Diseno& diseno, const ParametrosObservables& parametros);

signals:
    // A marker let go on the strip where the other end allows it: the new value
    // of its end, the drop height rounded to a tenth (an upper marker sits 0.2
    // above its end).
    void extremo_movido(Magnitud extremo, Fijo valor);
    // While a marker is dragged: the value its end would take if let go here,
    // and the end of it (let go, or over a place that gives no value).
    void extremo_en_arrastre(Magnitud extremo, Fijo valor);
    void arrastre_terminado();
    // The pointer is over the window's background.
    void puntero_fuera();

private:
    void crear_controles(QWidget* cliente);
    void al_cambiar(Magnitud m);
    // The beam and the fan of rays in colour `c`, over the old ones.
    void pintar_rayos(Color c);
    // Markers, masks and connector lines at the sector's ends (tangents).
    void seguir_sector(Fijo inferior, Fijo superior);
    void lineas(Fijo inferior, Fijo superior);
    void mover_marcador(Marcador* m, float top);
    // The end marker m sets when let go at height Y of the strip, if any.
    std::optional<std::pair<Magnitud, Fijo>> extremo_en(Marcador* m, double Y) const;

    Diseno& diseno_;
    const ParametrosObservables& parametros_;
    PictureBox* superficie_ = nullptr;
    PictureBox* tira_pantalla_ = nullptr;
    Marcador* marcador_superior_ = nullptr;
    Marcador* marcador_inferior_ = nullptr;
    Forma* mascara_superior_ = nullptr;
    Forma* mascara_inferior_ = nullptr;
    // The ends at which the connector lines were drawn, to erase them (they are inverted).
    bool lineas_dibujadas_ = false;
    Fijo superior_anterior_;
    Fijo inferior_anterior_;
};
