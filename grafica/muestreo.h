#pragma once

#include "model/curva.h"
#include "toolkit/trazado.h"

#include <array>
#include <memory>
#include <vector>

// Samples a curve takes at the least across its range, so that on any screen
// no straight chord longer than a pixel column stands for the curve...
inline constexpr long long muestras_minimas = 4096;
// ...and at the most, so that no start-up file can make one plot exhaust memory.
inline constexpr long long muestras_maximas = 2'000'000;

// Where a curve is sampled over the sines s0..s1: its two ends, and between
// them a uniform grid locked to the fringes of the N-slit factor, K points to a
// fringe spacing Δ = L / (N d) (K even and at least 4, so that every zero, every
// principal maximum and every point midway between two zeros is a sample), fine
// enough for `muestras_minimas` across the range. A range that would take more
// than `muestras_maximas` is sampled evenly with that many instead.
class Rejilla {
public:
    Rejilla(const Curva& c, double s0, double s1);

    // Samples in all, the two ends included.
    long long muestras() const { return k_max_ - k_min_ + 3; }
    // Sample i, from 0 (s0) to muestras() - 1 (s1), in increasing order.
    double seno(long long i) const;
    // The distance between neighbouring samples inside the range.
    double paso() const { return K_ > 0 ? delta_ / double(K_) : (s1_ - s0_) / double(k_max_ + 1); }

private:
    double s0_;
    double s1_;
    double delta_;
    long long K_;     // points per fringe; 0: an even grid from s0 to s1
    long long k_min_; // the grid points k Δ / K strictly inside the range
    long long k_max_;
};

// One curve sampled as the graph draws it: the polyline of points (sine,
// 0.98 (N² - I)) from the sector's lower end to its upper end; and, for each row
// of the enlarged sector, the greatest intensity over the sines that the row
// covers on the screen (its two edges and the samples between them).
struct Muestreo {
    std::shared_ptr<Trazo> trazo;
    std::array<double, filas_bandas> filas{};
};
Muestreo muestrear(const Curva& c);

// The polyline of curve `c` over the sines s0..s1, sampled on its grid.
std::shared_ptr<Trazo> trazar(const Curva& c, double s0, double s1);

// How many samples the worst case of a grating would take: N, d and the widest
// range of sines at the shortest wavelength (for checking the start-up limits).
long long muestras_del_peor_caso(double N, double d, double seno_min, double seno_max, double L);
