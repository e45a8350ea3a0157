#include "entry/reglas_caja.h"

#include <cmath>

std::optional<Fijo> tangente_de_seno(double s) {
    if (!std::isfinite(s) || std::fabs(s) >= 1) {
        return std::nullopt;
    }
    const double t = s / std::sqrt(1 - s * s);
    if (!std::isfinite(t) || std::fabs(t) > tangente_maxima) {
        return std::nullopt;
    }
    return Fijo::desde(t);
}

double seno_de_tangente(Fijo t) {
    const double x = t.a_double();
    return x / std::sqrt(x * x + 1);
}
