#pragma once

#include <QLocale>
#include <QString>

#include <vector>

// The ticks of an axis from `desde` to `hasta`: the multiples of a round step
// (1, 2 or 5 times a power of ten) that lie in the range, the step chosen so
// that there are about `cuantas` of them.
struct Marcas {
    double paso = 0;
    std::vector<double> valores;
    // Decimals that show the step (0 for whole steps).
    int decimales = 0;
};
Marcas marcas(double desde, double hasta, int cuantas);

// x with `decimales` decimals in `locale`, no group separators, never "-0".
QString texto_marca(double x, int decimales, const QLocale& locale);
