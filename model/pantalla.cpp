#include "model/pantalla.h"

#include <cmath>
#include <limits>

double posicion_en_pantalla_mm(double seno, double distancia_cm) {
    if (!(std::fabs(seno) < 1)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return 10 * distancia_cm * seno / std::sqrt(1 - seno * seno);
}

double lineas_por_mm(double d_um) {
    return 1000 / d_um;
}
