#include "zoom/muestras_zoom.h"

#include "grafica/muestreo.h"

#include <algorithm>

Suma sumar_curvas(const std::vector<Curva>& curvas, double s0, double s1) {
    Suma suma;
    if (curvas.empty()) {
        return suma;
    }
    const auto mas_fina =
        std::min_element(curvas.begin(), curvas.end(), [&](const Curva& a, const Curva& b) {
            return Rejilla(a, s0, s1).paso() < Rejilla(b, s0, s1).paso();
        });
    const Rejilla rejilla(*mas_fina, s0, s1);
    const auto n = static_cast<std::size_t>(rejilla.muestras());
    suma.senos.resize(n);
    suma.intensidad.assign(n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        suma.senos[i] = rejilla.seno(static_cast<long long>(i));
    }
    for (const Curva& c : curvas) {
        const Red red = c.red();
        for (std::size_t i = 0; i < n; ++i) {
            suma.intensidad[i] += red(suma.senos[i]);
        }
    }
    return suma;
}
