#pragma once

#include "model/curva.h"
#include "toolkit/trazado.h"

#include <array>
#include <memory>

// How a curve is sampled: the fringes m_min..m_max of the N-slit factor that
// the sector spans, K samples per fringe (about 1000 over the range, never fewer
// than 4, always even) and the fringe spacing Δ = L / (N d) in sine.
struct Franjas {
    long long m_min = 0;
    long long m_max = 0;
    long long K = 4;
    double delta = 0;
};
Franjas franjas_de(const Curva& c);

// One curve sampled as the graph draws it: the polyline of points (sine,
// 0.98 (N² − I)) from the sector's lower end, the samples at (m + j/K) Δ inside
// the sector; and the greatest intensity met in each of the 351 bins of the
// sine range (0..350), from which the bands of the screen are painted.
struct Muestreo {
    std::shared_ptr<Trazo> trazo;
    std::array<double, 1001> tabla_max{};
};
Muestreo muestrear(const Curva& c);
