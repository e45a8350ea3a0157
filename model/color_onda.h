#pragma once

#include "model/color.h"
#include "model/fijo.h"

// The colour of light of wavelength L (micrometres): a piecewise-linear rule with
// breakpoints at 0.40, 0.47, 0.53, 0.58, 0.60 and 0.65. Red and green are left
// unrounded; blue is held to four decimals where a division computes it.
struct ComponentesColor {
    double r = 0;
    double g = 0;
    Fijo b;

    // The colour shown: each component rounded half to even.
    Color compuesto() const { return RGB(r, g, b.a_double()); }
};

ComponentesColor color_de_onda(Fijo L);
