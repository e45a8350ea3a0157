#include "model/intens.h"

#include <algorithm>
#include <cmath>

float pi_simple() {
    static const float pi = static_cast<float>(4.0 * std::atan(1.0));
    return pi;
}

double menos_multiplo_de_pi(double x) {
    const double m = std::nearbyint(x / pi_doble);
    return std::fma(-m, pi_resto, std::fma(-m, pi_doble, x));
}

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

// The angles of four neighbouring samples, and the turn that takes each four
// samples on: sine and cosine of u/2, of w (v/2 less a multiple of π) and of N w.
struct Giro {
    double su[4], cu[4], sw[4], cw[4], sn[4], cn[4];
    double paso_su, paso_cu, paso_sw, paso_cw, paso_sn, paso_cn;
};
void intensidades_avx2_uniformes(double k_ancho, double n, const double* s, double* I,
                                 std::size_t cuantos, const Giro& g);

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

void Red::evaluar_uniformes(const double* s, double paso, double* I, std::size_t n) const {
    if (!vectorial() || n < 8) {
        evaluar(s, I, n);
        return;
    }
    // The first sample's angles exactly, as the vector path forms them; its
    // three neighbours' and the turn of four steps from the turn of one.
    const double mu = k_ancho_ * s[0] * 0.5;
    const double w = menos_multiplo_de_pi(k_distancia_ * s[0] * 0.5);
    const double du = paso * k_ancho_ * 0.5, dw = paso * k_distancia_ * 0.5;
    struct Angulo {
        double s, c, ps, pc; // sine and cosine at s[0], and of one step
    };
    const Angulo angulos[3] = {
        {std::sin(mu), std::cos(mu), std::sin(du), std::cos(du)},
        {std::sin(w), std::cos(w), std::sin(dw), std::cos(dw)},
        {std::sin(n_ * w), std::cos(n_ * w), std::sin(n_ * dw), std::cos(n_ * dw)}};
    Giro g{};
    double* senos[3] = {g.su, g.sw, g.sn};
    double* cosenos[3] = {g.cu, g.cw, g.cn};
    double* pasos[3][2] = {
        {&g.paso_su, &g.paso_cu}, {&g.paso_sw, &g.paso_cw}, {&g.paso_sn, &g.paso_cn}};
    for (int a = 0; a < 3; ++a) {
        double sa = angulos[a].s, ca = angulos[a].c;
        for (int l = 0; l < 4; ++l) {
            senos[a][l] = sa;
            cosenos[a][l] = ca;
            const double sn = sa * angulos[a].pc + ca * angulos[a].ps;
            ca = ca * angulos[a].pc - sa * angulos[a].ps;
            sa = sn;
        }
        // Four steps: twice the double angle.
        double ps = angulos[a].ps, pc = angulos[a].pc;
        for (int k = 0; k < 2; ++k) {
            const double ps2 = 2 * ps * pc;
            pc = (pc - ps) * (pc + ps);
            ps = ps2;
        }
        *pasos[a][0] = ps;
        *pasos[a][1] = pc;
    }
    const std::size_t enteros = n - n % 4;
    intensidades_avx2_uniformes(k_ancho_, n_, s, I, enteros, g);
    if (enteros < n) {
        evaluar(s + enteros, I + enteros, n - enteros);
    }
    // The samples the turns left to the sine calls, near the principal maxima.
    for (std::size_t i = 0; i < enteros; ++i) {
        if (std::isnan(I[i])) {
            std::size_t j = i;
            while (j < enteros && std::isnan(I[j])) {
                ++j;
            }
            evaluar(s + i, I + i, j - i);
            i = j;
        }
    }
}
