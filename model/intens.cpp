#include "model/intens.h"

#include <algorithm>
#include <cmath>

float pi_simple() {
    static const float pi = static_cast<float>(4.0 * std::atan(1.0));
    return pi;
}

namespace {

// x less its nearest whole multiple of π, to a few units in the last place of the result.
double menos_multiplo_de_pi(double x) {
    const double m = std::nearbyint(x / pi_doble);
    return std::fma(-m, pi_resto, std::fma(-m, pi_doble, x));
}

} // namespace

Red::Red(Fijo L, Fijo a, Fijo d, Fijo N) : n_(N.a_double()) {
    const float dos_pi = 2 * pi_simple();
    k_ancho_ = static_cast<double>(dos_pi) * a.a_double() / L.a_double();
    k_distancia_ = static_cast<double>(dos_pi) * d.a_double() / L.a_double();
}

double Red::operator()(double seno) const {
    const double c = std::sqrt(1 - seno * seno);
    const double u = k_ancho_ * seno;
    const double v = k_distancia_ * seno;
    if (u == 0) {
        return n_ * n_;
    }
    const double rendija = std::sin(u / 2) / (u / 2);
    const double w = menos_multiplo_de_pi(v / 2);
    const double s = std::sin(w);
    const double red = s * s < 1e-20 ? n_ : std::sin(n_ * w) / s;
    return c * c * (rendija * rendija) * (red * red);
}

// In intens_vectorial.cpp, built for AVX2 and FMA: four sines at a time,
// `cuantos` a multiple of four.
void intensidades_avx2(double k_ancho, double k_distancia, double n, const double* s, double* I,
                       std::size_t cuantos);

namespace {

bool& vectorial() {
    static bool activo = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    return activo;
}

} // namespace

bool calculo_vectorial() {
    return vectorial();
}

void set_calculo_vectorial(bool activo) {
    vectorial() = activo && __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
}

void Red::evaluar_escalar(const double* s, double* I, std::size_t n) const {
    for (std::size_t i = 0; i < n; ++i) {
        I[i] = (*this)(s[i]);
    }
}

void Red::evaluar(const double* s, double* I, std::size_t n) const {
    if (!vectorial()) {
        evaluar_escalar(s, I, n);
        return;
    }
    // Every sine goes through the same four-wide sine, the last ones padded, so
    // that a sine's intensity does not depend on where it stands in the call.
    const std::size_t enteros = n - n % 4;
    intensidades_avx2(k_ancho_, k_distancia_, n_, s, I, enteros);
    if (enteros < n) {
        double resto_s[4] = {}, resto_I[4];
        std::copy(s + enteros, s + n, resto_s);
        intensidades_avx2(k_ancho_, k_distancia_, n_, resto_s, resto_I, 4);
        std::copy(resto_I, resto_I + (n - enteros), I + enteros);
    }
}

double Intens(Fijo L, Fijo a, Fijo d, Fijo N, double seno) {
    return Red(L, a, d, N)(seno);
}
