#pragma once

#include "model/fijo.h"

#include <optional>

// Farthest a sector end may lie from the axis, in grating-to-screen distances
// (a deviation of 89.94 degrees): beyond it a marker could not be placed on the
// window at all.
inline constexpr double tangente_maxima = 1000;

// The tangent stored for a sine typed into a limit box, rounded to four
// decimals; nothing when the sine has no place on the screen: not a finite
// number, magnitude 1 or more, or a tangent beyond `tangente_maxima`.
std::optional<Fijo> tangente_de_seno(double s);

// The sine of a stored tangent.
double seno_de_tangente(Fijo t);
