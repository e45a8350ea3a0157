#include "model/ordenes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

std::vector<Orden> ordenes_principales(const Curva& c) {
    const double s0 = c.seno_min(), s1 = c.seno_max();
    std::vector<Orden> ordenes;
    if (c.ranuras <= 1 || !(c.distancia > Fijo{})) {
        if (s0 <= 0 && 0 <= s1) {
            ordenes.push_back({0, 0, false});
        }
        return ordenes;
    }
    const double paso = c.onda.a_double() / c.distancia.a_double();
    // Sines reach no further than 1, whatever the sector.
    const auto desde = static_cast<int>(std::ceil(std::max(s0, -1.0) / paso));
    const auto hasta = static_cast<int>(std::floor(std::min(s1, 1.0) / paso));
    // a and d are whole ten-thousandths, so m a / d is whole exactly when the
    // integer product divides.
    const std::int64_t a = c.ancho.diezmilesimas(), d = c.distancia.diezmilesimas();
    for (int m = desde; m <= hasta; ++m) {
        // m L / d from the whole ten-thousandths in one rounding, so that a
        // sine of 0.45 is written 0.45.
        const double s = double(std::int64_t{m} * c.onda.diezmilesimas()) / double(d);
        if (s < s0 || s > s1 || std::fabs(s) >= 1) {
            continue;
        }
        ordenes.push_back({m, s, m != 0 && a != 0 && (std::int64_t{m} * a) % d == 0});
    }
    return ordenes;
}
