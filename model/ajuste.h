#pragma once

#include <vector>

// A measured intensity profile: the sines of the deviation angle it was taken
// at and what the sensor read there, in any unit and over any background.
struct Perfil {
    std::vector<double> senos;
    std::vector<double> intensidades;
};

// The fit's model: a background, a scale and a small shift of the centre
// (where the sensor's zero missed the central maximum) over the Fraunhofer
// intensity with its obliquity factor, relative to its centre,
//
//   M(s) = fondo + escala · I(s − centro) / N²,
//
// with I as `Intens` gives it, but for lengths (micrometres) that need not hold
// four decimals.
struct Valores {
    double onda = 0;      // L
    double ancho = 0;     // a
    double distancia = 0; // d
    double escala = 1;
    double fondo = 0;
    double centro = 0;
};
// ∂M/∂ each of them, at the same sine.
using Derivadas = Valores;

// M(s) for N slits; with `der`, its derivatives too.
double modelo(const Valores& v, int N, double s, Derivadas* der = nullptr);

// The spacing in sine of the profile's strongest period, the distance between
// neighbouring principal maxima (L / d); 0 when the profile shows none. The
// samples must be sorted by sine.
double periodo_dominante(const Perfil& p);

// What the user knows and what is left to the fit: L or d (the other is
// known), and a (known, or fitted from the value given as a start). N is known.
// Scale, background and centre are always fitted.
enum class Libre { distancia, onda };
struct Planteo {
    int ranuras = 2;
    Valores conocidos; // L, a and d: the known ones; the free one is ignored
    Libre libre = Libre::distancia;
    bool ancho_libre = true;
};

enum class EstadoAjuste {
    ajustado,
    pocos_datos,    // fewer samples than the fit needs, or no contrast
    sin_periodo,    // no fringe spacing to start from
    no_converge,    // the least squares did not settle
    ambiguo,        // another answer fits about as well, or the data cannot tell
    no_se_parece,   // the best answer leaves most of the profile unexplained
    fuera_de_rango, // the best answer is not a grating (a ≥ d, a negative length...)
    descentrado     // it puts the central maximum half a fringe spacing or more from sine 0
};

// The result: the fitted values, the standard uncertainty (one sigma, from the
// covariance scaled by the residual) of L or d and of a, and the residual's
// root mean square relative to the fitted scale. Numbers only when `ajustado`.
struct Ajuste {
    EstadoAjuste estado = EstadoAjuste::pocos_datos;
    Valores valores;
    double error_libre = 0;
    double error_ancho = 0;
    double residuo = 0;
};

// The least-squares fit of `planteo` to the profile (sorted by sine, or not):
// the free length starts from the dominant period, sharpened on the principal
// maxima it finds; a from several fractions of d when it is free; the best of
// those that converge, unless another one differs and fits nearly as well.
Ajuste ajustar(const Perfil& perfil, const Planteo& planteo);
