#include "zoom/muestras_zoom.h"

std::vector<double> senos_del_zoom(float x_ini, float x_fin) {
    std::vector<double> senos;
    senos.reserve(1001);
    const double paso = (static_cast<double>(x_fin) - x_ini) / 1000;
    for (double x = x_ini; x <= x_fin && senos.size() < 10000; x += paso) {
        senos.push_back(x);
    }
    return senos;
}

std::vector<float> sumar_intensidades(const std::vector<Curva>& curvas,
                                      const std::vector<double>& senos) {
    std::vector<float> suma(senos.size(), 0.0F);
    for (const Curva& c : curvas) {
        const Red red = c.red();
        for (std::size_t j = 0; j < senos.size(); ++j) {
            suma[j] += static_cast<float>(red(senos[j]));
        }
    }
    return suma;
}
