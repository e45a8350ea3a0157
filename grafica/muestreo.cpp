#include "grafica/muestreo.h"

#include "model/parametros.h"
#include "toolkit/paralelo.h"

#include <algorithm>
#include <cmath>

namespace {

// Points per fringe for at least `muestras_minimas` across `franjas` fringes.
double puntos_por_franja(double franjas) {
    return std::max(4.0, 2 * std::ceil(double(muestras_minimas) / (2 * franjas)));
}

} // namespace

Rejilla::Rejilla(const Curva& c, double s0, double s1)
    : s0_(s0), s1_(s1), delta_(c.onda.a_double() / (c.ranuras * c.distancia.a_double())) {
    const double franjas = (s1 - s0) / delta_;
    const double K = puntos_por_franja(franjas);
    const double paso = delta_ / K;
    const double k_min = std::floor(s0 / paso) + 1, k_max = std::ceil(s1 / paso) - 1;
    if (k_max - k_min + 3 <= double(muestras_maximas)) {
        K_ = static_cast<long long>(K);
        k_min_ = static_cast<long long>(k_min);
        k_max_ = static_cast<long long>(k_max);
    } else {
        K_ = 0;
        k_min_ = 1;
        k_max_ = muestras_maximas - 2;
    }
}

double Rejilla::seno(long long i) const {
    if (i <= 0) {
        return s0_;
    }
    const long long k = k_min_ + i - 1;
    if (k > k_max_) {
        return s1_;
    }
    // k / K is exact at whole and half fringes, so zeros and maxima are met exactly.
    const double s = K_ > 0 ? double(k) / double(K_) * delta_
                            : s0_ + (s1_ - s0_) * double(k) / double(k_max_ + 1);
    return std::clamp(s, s0_, s1_);
}

namespace {

// The intensities of curve `c` at the samples of `r`, on every core.
std::vector<double> intensidades(const Red& red, const Rejilla& r) {
    std::vector<double> I(static_cast<std::size_t>(r.muestras()));
    // A share of a few thousand samples already pays for its thread.
    en_paralelo(
        I.size(),
        [&](std::size_t desde, std::size_t hasta) {
            for (std::size_t i = desde; i < hasta; ++i) {
                I[i] = red(r.seno(static_cast<long long>(i)));
            }
        },
        4096);
    return I;
}

std::shared_ptr<Trazo> polilinea(const Curva& c, const Rejilla& r, const std::vector<double>& I) {
    // The graph's height, N², as the picture holds it: in single precision.
    const double alto = static_cast<float>(c.alto());
    auto trazo = std::make_shared<Trazo>();
    trazo->reserve(I.size());
    for (std::size_t i = 0; i < I.size(); ++i) {
        trazo->push_back({static_cast<float>(r.seno(static_cast<long long>(i))),
                          static_cast<float>(0.98 * (alto - I[i]))});
    }
    return trazo;
}

} // namespace

std::shared_ptr<Trazo> trazar(const Curva& c, double s0, double s1) {
    const Rejilla r(c, s0, s1);
    return polilinea(c, r, intensidades(c.red(), r));
}

Muestreo muestrear(const Curva& c) {
    const double s0 = c.seno_min(), s1 = c.seno_max();
    const Rejilla r(c, s0, s1);
    const Red red = c.red();
    const std::vector<double> I = intensidades(red, r);
    Muestreo m;
    m.trazo = polilinea(c, r, I);

    // Row j spans the screen from t0 + j p to t0 + (j + 1) p; its edges in sine
    // bound the samples it shows.
    const double t0 = c.inferior.a_double(), t1 = c.superior.a_double();
    std::array<double, filas_bandas + 1> borde{};
    for (int j = 0; j <= filas_bandas; ++j) {
        const double t = t0 + (t1 - t0) * j / filas_bandas;
        borde[j] = j == 0 ? s0 : j == filas_bandas ? s1 : t / std::sqrt(1 + t * t);
    }
    double I_borde = red(borde[0]);
    std::size_t i = 0;
    for (int j = 0; j < filas_bandas; ++j) {
        double maximo = I_borde;
        while (i < I.size() && r.seno(static_cast<long long>(i)) < borde[j + 1]) {
            maximo = std::max(maximo, I[i++]);
        }
        I_borde = red(borde[j + 1]);
        m.filas[j] = std::max(maximo, I_borde);
    }
    return m;
}

long long muestras_del_peor_caso(double N, double d, double seno_min, double seno_max, double L) {
    const double franjas = (seno_max - seno_min) * N * d / L;
    return static_cast<long long>(std::ceil(franjas * puntos_por_franja(franjas))) + 2;
}
