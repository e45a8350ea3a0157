#include "model/intens.h"

#include <cmath>

float pi_simple() {
    static const float pi = static_cast<float>(4.0 * std::atan(1.0));
    return pi;
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
    const double s = std::sin(v / 2);
    const double red = s * s < 1e-20 ? n_ : std::sin(n_ * v / 2) / s;
    return c * c * (rendija * rendija) * (red * red);
}

double Intens(Fijo L, Fijo a, Fijo d, Fijo N, double seno) {
    return Red(L, a, d, N)(seno);
}
