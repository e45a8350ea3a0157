#pragma once

#include "model/curva.h"

#include <vector>

// The sines at which the zoom window draws its curves over x_ini..x_fin: from
// x_ini in steps of (x_fin - x_ini) / 1000 while the accumulated value stays
// within x_fin (1001 samples, or 1000 where rounding pushes the last one out).
std::vector<double> senos_del_zoom(float x_ini, float x_fin);

// The sum of the curves' intensities at each of the sines.
std::vector<float> sumar_intensidades(const std::vector<Curva>& curvas,
                                      const std::vector<double>& senos);
