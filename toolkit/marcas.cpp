#include "toolkit/marcas.h"

#include <algorithm>
#include <cmath>

Marcas marcas(double desde, double hasta, int cuantas) {
    Marcas r;
    if (!(hasta > desde) || !std::isfinite(desde) || !std::isfinite(hasta) || cuantas < 1) {
        return r;
    }
    // The least round step at least three quarters of an even share of the range.
    const double bruto = (hasta - desde) / cuantas;
    int exponente = static_cast<int>(std::floor(std::log10(bruto)));
    double mantisa = 10;
    for (const double m : {1.0, 2.0, 5.0}) {
        if (m * std::pow(10.0, exponente) >= 0.75 * bruto) {
            mantisa = m;
            break;
        }
    }
    if (mantisa == 10) {
        mantisa = 1;
        ++exponente;
    }
    r.paso = mantisa * std::pow(10.0, exponente);
    r.decimales = std::max(0, -exponente);
    // Ticks as whole multiples of the step, each rounded to the decimals shown,
    // so that no 0.30000000000000004 reaches a label.
    const auto primero = static_cast<long long>(std::ceil(desde / r.paso - 1e-9));
    const auto ultimo = static_cast<long long>(std::floor(hasta / r.paso + 1e-9));
    const double escala = std::pow(10.0, r.decimales);
    for (long long k = primero; k <= ultimo; ++k) {
        const double x = std::round(double(k) * r.paso * escala) / escala;
        if (x >= desde && x <= hasta) {
            r.valores.push_back(x);
        }
    }
    return r;
}

QString texto_marca(double x, int decimales, const QLocale& locale) {
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    const double escala = std::pow(10.0, decimales);
    if (std::round(x * escala) == 0) {
        x = 0; // never "-0"
    }
    return l.toString(x, 'f', decimales);
}
