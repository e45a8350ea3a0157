// The intensity model over every case a start-up file may allow (N, a, d and L
// up to their largest limit, a sector of the strip whose worst case the plot
// can sample) at sines of its sector, near its principal maxima too: finite,
// at least 0, at most N²·(1 + 1e-9); the vector path agrees with the scalar one.
#include "model/intens.h"
#include "model/muestreo.h"
#include "model/parametros.h"
#include "tests/fuzz/comun.h"

#include <array>
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    Entrada e(datos, n);
    const std::int64_t tope = std::int64_t{limite_mayor} * Fijo::escala;
    const auto N = static_cast<int>(e.entre(1, limite_mayor));
    const Fijo a = Fijo::crudo(e.entre(1, tope));
    const Fijo d = Fijo::crudo(e.entre(1, tope));
    const Fijo L = Fijo::crudo(e.entre(1, tope));
    const double s1 = seno_de_tangente(Fijo::crudo(e.entre(-2 * Fijo::escala, 2 * Fijo::escala)));
    const double s2 = seno_de_tangente(Fijo::crudo(e.entre(-2 * Fijo::escala, 2 * Fijo::escala)));
    if (!(s1 < s2) || muestras_del_peor_caso(N, a.a_double(), d.a_double(), s1, s2, L.a_double()) >
                          muestras_maximas) {
        return 0;
    }
    // Four sines anywhere in the sector, four beside a principal maximum within it.
    std::array<double, 8> s{};
    for (std::size_t i = 0; i < 4; ++i) {
        s[i] = s1 + (s2 - s1) * (static_cast<double>(e.tomar<std::uint32_t>()) / 4294967295.0);
    }
    // Principal maxima stand where v/2 is a whole multiple of π, as the model
    // forms v (its 2π in single precision); the offsets from one run from a
    // part in 2^60 to a part in 2^8 of its sine, either side.
    const double paso =
        2 * M_PI / (static_cast<double>(2 * pi_simple()) * d.a_double() / L.a_double());
    const double k1 = std::ceil(s1 / paso), k2 = std::floor(s2 / paso);
    const double orden = k2 < k1 ? 0
                                 : k1 + static_cast<double>(e.entre(
                                            0, static_cast<std::int64_t>(std::min(k2 - k1, 1e9))));
    for (std::size_t i = 4; i < 8; ++i) {
        const double mantisa = 1 + e.tomar<std::uint16_t>() / 65536.0;
        const double desvio = std::ldexp(mantisa, -static_cast<int>(e.entre(8, 60)));
        const double cerca = orden * paso * (1 + (e.tomar<std::uint8_t>() & 1 ? desvio : -desvio));
        s[i] = std::clamp(cerca, s1, s2);
    }

    const Red red(L, a, d, Fijo(N));
    std::array<double, 8> vector{}, escalar{};
    red.evaluar(s.data(), vector.data(), s.size());
    red.evaluar_escalar(s.data(), escalar.data(), s.size());
    const double n2 = double(N) * N;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double I = escalar[i];
        EXIGIR(std::isfinite(I) && I >= 0 && I <= n2 * (1 + 1e-9),
               "N %d, a %.4f, d %.4f, L %.4f, sine %.17g: %.17g", N, a.a_double(), d.a_double(),
               L.a_double(), s[i], I);
        EXIGIR(std::fabs(vector[i] - I) <= 1e-12 * std::max(I, 1e-8 * n2) || vector[i] == I,
               "N %d, a %.4f, d %.4f, L %.4f, sine %.17g: vector %.17g, scalar %.17g", N,
               a.a_double(), d.a_double(), L.a_double(), s[i], vector[i], I);
    }
    return 0;
}
