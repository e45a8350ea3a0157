#pragma once

#include "model/curva.h"

#include <array>
#include <cstddef>
#include <vector>

// Samples a curve takes at the least across its range, so that on any screen
// no straight chord longer than a pixel column stands for the curve...
inline constexpr long long muestras_minimas = 4096;
// ...and at the most, so that no start-up file can make one plot exhaust memory.
inline constexpr long long muestras_maximas = 2'000'000;

// Where a curve is sampled over the sines s0..s1: its two ends, and between
// them a uniform grid locked to its narrowest fringes, K points to a fringe
// spacing Δ (`Curva::franja`; K even and at least 4, so that every zero, every
// principal maximum and every point midway between two zeros is a sample), fine
// enough for `muestras_minimas` across the range. A range that would take more
// than `muestras_maximas` is sampled evenly with that many instead; an empty
// range is its two ends.
class Rejilla {
public:
    Rejilla(const Curva& c, double s0, double s1);

    // Samples in all, the two ends included.
    long long muestras() const { return k_max_ - k_min_ + 3; }
    // Sample i, from 0 (s0) to muestras() - 1 (s1), in increasing order.
    double seno(long long i) const;
    // Samples desde .. desde + n - 1 into s.
    void senos(long long desde, std::size_t n, double* s) const;
    // Whether samples desde .. desde + n - 1 all stand on the fringe-locked
    // grid, paso() apart (the ends of the range do not).
    bool uniforme(long long desde, std::size_t n) const {
        return K_ > 0 && desde >= 1 && desde + static_cast<long long>(n) - 1 <= k_max_ - k_min_ + 1;
    }
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

// The columns of the picture a curve is drawn on: the sines from `izquierda`
// across `ancho`, over `pixeles` columns (device pixels, or a figure's fine
// grid), each taking a whole number of a curve's bins, at least
// `cubetas_minimas` bins in all.
struct Columnas {
    double izquierda = 0;
    double ancho = 1;
    int pixeles = 1;
    long long cubetas_minimas = 16384;
};

// A sample: a sine and the intensity there.
struct Muestra {
    double seno;
    double I;
};

// A curve as the pictures keep it: its samples reduced to the first, the
// lowest, the highest and the last of each bin, in order, so that drawn at the
// pixels of its columns it lights every pixel each segment would, and with many
// bins to a pixel (16384 bins at the least) it is drawn again at another size
// from these few.
using Muestras = std::vector<Muestra>;

// One curve sampled over its sector as the graph plots it, in one pass on every
// core: its samples reduced for `columnas`, and for each row of the enlarged
// sector the greatest intensity over the sines that the row covers on the
// screen (its two edges and the samples between them).
struct Muestreo {
    Muestras curva;
    std::array<double, filas_bandas> filas{};
};
Muestreo muestrear(const Curva& c, const Columnas& columnas);

// Curve `c` over the sines s0..s1, sampled on its grid, reduced for `columnas`.
Muestras muestrear_tramo(const Curva& c, double s0, double s1, const Columnas& columnas);

// The sum of the intensities of `curvas` over the sines s0..s1, on the grid of
// the finest of them (the one whose samples are closest), reduced for `columnas`.
Muestras muestrear_suma(const std::vector<Curva>& curvas, double s0, double s1,
                        const Columnas& columnas);

// How many samples the worst case of a grating would take: the largest N, a and
// d over the widest range of sines at the shortest wavelength (for checking the
// start-up limits).
long long muestras_del_peor_caso(double N, double a, double d, double seno_min, double seno_max,
                                 double L);
