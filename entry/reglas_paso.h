#pragma once

#include "model/fijo.h"

#include <optional>

// The step rules of the spin buttons, free of widgets. All arithmetic is in the
// fixed-point type, so steps of 0.1, 0.01 and 0.001 add up without drift.

enum class Sentido { arriba, abajo };

// Step of N, a, d or the wavelength from its current value. The down table is
// shifted by ten per cent so that a step down from a decade boundary takes the
// finer step (10 goes to 9, not to 0); beyond the last row the step is 0.
Fijo paso_valor(Fijo v, Sentido sentido);

// Step of either end of the screen sector, from the sector's width: the finer
// the sector, the finer the step; equal ends give step 0.
Fijo paso_sector(Fijo inferior, Fijo superior);

// v moved by one step s, or nothing when the result would leave [minimo, maximo].
std::optional<Fijo> dar_paso(Fijo v, Fijo s, Sentido sentido, Fijo minimo, Fijo maximo);

// The lower end stepped up to n would pass the upper marker, whose top (single
// precision) sits 0.2 above the upper end.
bool cruza_superior(Fijo n, float top_sup);
// The upper end stepped down to n would pass the lower marker, whose top is the lower end.
bool cruza_inferior(Fijo n, float top_inf);
