#pragma once

#include "model/curva.h"

#include <vector>

// The curves' sum over the sines s0..s1, on the grid of the finest of them (the
// one whose samples are closest): at each sine, the sum of the curves' intensities.
struct Suma {
    std::vector<double> senos;
    std::vector<double> intensidad;
};
Suma sumar_curvas(const std::vector<Curva>& curvas, double s0, double s1);
