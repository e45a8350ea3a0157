#pragma once

#include "model/curva.h"

#include <vector>

// A principal maximum of a grating: its order m, its sine m L / d, and whether
// it is missing, a zero of the single-slit envelope (a sine k L / a, k a whole
// number other than 0) falling on it, which happens when m a / d is whole.
struct Orden {
    int m = 0;
    double seno = 0;
    bool ausente = false;
    bool operator==(const Orden&) const = default;
};

// The principal maxima of curve `c` inside its sector, from the lowest sine up.
// A single slit has no grating orders: only its central maximum (m = 0).
std::vector<Orden> ordenes_principales(const Curva& c);
