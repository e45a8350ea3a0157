#pragma once

#include "model/color.h"
#include "model/fijo.h"
#include "model/intens.h"
#include "model/parametros.h"

#include <limits>

// The enlarged sector shows the screen between a curve's ends as this many
// rows, evenly spaced in screen position (the tangent) from the lower end up.
inline constexpr int filas_bandas = 1000;

// One curve of the graph: the case it was plotted from (wavelength L, slit
// width a, distance d and N slits), its colour, and the sector of the screen it
// spans, whose ends are held as positions on the screen (tangents).
struct Curva {
    Fijo onda;
    Fijo ancho;
    Fijo distancia;
    int ranuras = 1;
    Color color;
    Fijo inferior;
    Fijo superior;

    double seno_min() const;
    double seno_max() const;
    // The ends as deviation angles in whole degrees, the lower one rounded up
    // past it (Int(θ) + 1) and the upper one down (Int(θ)), Int rounding down.
    double ang_min() const;
    float ang_max() const;
    // N²: the intensity at the centre, and the height of the graph it is drawn on.
    double alto() const { return double(ranuras) * ranuras; }
    Red red() const { return Red(onda, ancho, distancia, Fijo(ranuras)); }
    // The spacing in sine of the curve's narrowest fringes, those between the
    // zeros of its fastest factor: L / (N d), or L / a for a single slit.
    double franja() const {
        return ranuras > 1 ? onda.a_double() / (ranuras * distancia.a_double())
                           : onda.a_double() / ancho.a_double();
    }
    // Same grating: a, d and N (the wavelength may differ).
    bool misma_red(const Curva& o) const {
        return ancho == o.ancho && distancia == o.distancia && ranuras == o.ranuras;
    }
};

static_assert(std::numeric_limits<decltype(Curva::ranuras)>::max() >= limite_mayor,
              "a curve's slit count must hold the largest N the limits allow");

// The current case over the current sector, in the colour of its wavelength.
Curva curva_de(const Parametros& p);
