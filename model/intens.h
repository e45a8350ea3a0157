#pragma once

// model/: the physics and the numbers it stands on, free of Qt. intens: the
// intensity through N slits; fijo: four-decimal fixed point and round_even;
// color, color_onda: colours and the colour of a wavelength; parametros: the six
// quantities with their limits and checks; curva: the record of a plotted curve;
// ordenes: where its principal maxima stand, and which are missing.

#include "model/fijo.h"

// pi as the program holds it: 4·atan(1) in single precision (3.1415927410125732).
float pi_simple();

// Fraunhofer intensity of light of wavelength L through N slits of width a at
// distance d (lengths in micrometres), at the sine `seno` of the deviation angle:
//
//   I = cos²θ · (sin(u/2) / (u/2))² · (sin(N·v/2) / sin(v/2))²
//   u = 2π·a·seno / L,  v = 2π·d·seno / L
//
// with 2π formed in single precision. The centre (u = 0) gives N² exactly, and
// where sin²(v/2) < 1e-20 the grating factor takes its limit N². |seno| < 1.
// The grating factor repeats as v/2 goes by π, and both of its sines take v/2
// less its nearest multiple of π: at a far order, rounding the two large angles
// apart would make the factor exceed N near its maxima.
double Intens(Fijo L, Fijo a, Fijo d, Fijo N, double seno);

// π for that reduction, split into the double nearest it and what that one
// misses, both paths alike.
inline constexpr double pi_doble = 3.141592653589793116;
inline constexpr double pi_resto = 1.2246467991473531772e-16;
// x less its nearest whole multiple of π, to a few units in the last place of the result.
double menos_multiplo_de_pi(double x);

#include <cstddef>

// The same model with the per-curve constants worked out once, for the sampling
// loops; `operator()` gives results identical to `Intens`.
class Red {
public:
    Red(Fijo L, Fijo a, Fijo d, Fijo N);
    double operator()(double seno) const;

    // I[i] for the n sines s[i]: several at a time with the processor's vector
    // unit where it has one (results within a few units in the last place of
    // the scalar ones), one by one otherwise.
    void evaluar(const double* s, double* I, std::size_t n) const;
    void evaluar_escalar(const double* s, double* I, std::size_t n) const;
    // The same for n sines `paso` apart (s[i] = s[0] + i · paso, as a grid's
    // are): on the vector unit the sines of u/2, v/2 and N v/2 advance from
    // those of s[0..3], worked out exactly, by a rotation, two multiplies and two
    // adds a step instead of a sine call, which keeps them within some 1e-13 of
    // the exact ones over the few hundred samples of one call. One by one otherwise.
    void evaluar_uniformes(const double* s, double paso, double* I, std::size_t n) const;

private:
    double k_ancho_;     // (2π)·a / L
    double k_distancia_; // (2π)·d / L
    double n_;
};

// Whether `Red::evaluar` uses the vector unit: it does when the processor has
// AVX2 and FMA, unless told not to (to compare the two paths).
bool calculo_vectorial();
void set_calculo_vectorial(bool activo);
