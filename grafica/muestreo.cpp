#include "grafica/muestreo.h"

#include "toolkit/paralelo.h"

#include <algorithm>
#include <vector>

Franjas franjas_de(const Curva& c) {
    Franjas f;
    const double nd = c.ranuras * c.distancia.a_double();
    const double L = c.onda.a_double();
    f.m_min = static_cast<long long>(round_even(nd * c.seno_min() / L));
    f.m_max = static_cast<long long>(round_even(nd * c.seno_max() / L));
    f.K = 0;
    if (f.m_max != f.m_min) {
        // Even, so that every zero, every maximum and every midpoint between
        // zeros falls on a sample.
        f.K = 2 * (static_cast<long long>(round_even(1000.0 / double(f.m_max - f.m_min) + 1)) / 2);
    }
    f.K = std::max(f.K, 4LL);
    f.delta = L / nd;
    return f;
}

Muestreo muestrear(const Curva& c) {
    const Franjas f = franjas_de(c);
    const double seno_min = c.seno_min(), seno_max = c.seno_max();
    const double alto = static_cast<float>(c.alto()); // the graph's height, read back in single
    const Red red = c.red();

    // The samples inside the sector, then their intensities (on every core: the
    // worst case has a million), then bins and curve in sample order.
    std::vector<double> senos;
    senos.reserve(static_cast<std::size_t>(
        std::clamp<long long>((f.m_max - f.m_min + 1) * f.K, 0, 4'000'000)));
    for (long long m = f.m_min; m <= f.m_max; ++m) {
        for (long long j = 1; j <= f.K; ++j) {
            const double s = (double(m) + double(j) / double(f.K)) * f.delta;
            if (seno_min <= s && s <= seno_max) {
                senos.push_back(s);
            }
        }
    }
    std::vector<double> intensidad(senos.size());
    en_paralelo(senos.size(), [&](std::size_t desde, std::size_t hasta) {
        for (std::size_t i = desde; i < hasta; ++i) {
            intensidad[i] = red(senos[i]);
        }
    });

    Muestreo r;
    r.trazo = std::make_shared<Trazo>();
    r.trazo->reserve(senos.size() + 1);
    r.trazo->push_back(
        {static_cast<float>(seno_min), static_cast<float>(0.98 * (alto - red(seno_min)))});
    const double ancho_senos = seno_max - seno_min;
    long long bin_previo = 0;
    for (std::size_t i = 0; i < senos.size(); ++i) {
        const double s = senos[i];
        const double I = intensidad[i];
        // Every bin the curve passes through holds the greatest intensity
        // sampled in it or at the next sample beyond it.
        const auto bin = static_cast<long long>(round_even((s - seno_min) * 350 / ancho_senos));
        for (long long b = bin_previo; b <= bin; ++b) {
            double& maximo = r.tabla_max[static_cast<std::size_t>(b)];
            maximo = std::max(maximo, I);
        }
        bin_previo = bin;
        r.trazo->push_back({static_cast<float>(s), static_cast<float>(0.98 * (alto - I))});
    }
    return r;
}
