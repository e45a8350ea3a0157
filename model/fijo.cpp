#include "model/fijo.h"

#include <cmath>
#include <limits>

double round_even(double x) {
    return std::nearbyint(x);
}

namespace {

__extension__ using int128 = __int128;

constexpr double limite = 9.2e18; // just inside the range of a 64-bit integer

// q = n / d rounded to the nearest integer, halves to even (d > 0).
std::int64_t dividir_redondeando(int128 n, int128 d) {
    int128 q = n / d;
    int128 r = n % d;
    if (r < 0) {
        r += d;
        q -= 1;
    }
    if (2 * r > d || (2 * r == d && (q & 1) != 0)) {
        q += 1;
    }
    return static_cast<std::int64_t>(q);
}

} // namespace

bool Fijo::representable(double x) {
    return std::isfinite(x) && std::fabs(x * escala) < limite;
}

Fijo Fijo::desde(double x) {
    if (std::isnan(x)) {
        return Fijo{};
    }
    const double escalado = round_even(x * escala);
    if (escalado >= limite) {
        return crudo(static_cast<std::int64_t>(limite));
    }
    if (escalado <= -limite) {
        return crudo(-static_cast<std::int64_t>(limite));
    }
    return crudo(static_cast<std::int64_t>(escalado));
}

Fijo Fijo::operator*(Fijo o) const {
    return crudo(dividir_redondeando(static_cast<int128>(v_) * o.v_, escala));
}

Fijo Fijo::operator/(Fijo o) const {
    int128 n = static_cast<int128>(v_) * escala;
    int128 d = o.v_;
    if (d < 0) {
        n = -n;
        d = -d;
    }
    return crudo(dividir_redondeando(n, d));
}
