#include "grafica/seleccion.h"

#include <algorithm>

namespace {
constexpr float pasos = 40;
}

Seleccion marco_inicial(const Seleccion& g) {
    // Its edges between the grid's lines, where they show.
    const float w = g.ancho() / 6;
    const float x = g.x_ini + 2.5F * w;
    return {x, g.y_ini, x + w, g.y_fin};
}

Seleccion mover_marco(Seleccion s, int dx, int dy, bool tamano, const Seleccion& g) {
    const float px = g.ancho() / pasos, py = (g.y_fin - g.y_ini) / pasos;
    if (tamano) {
        s.x_fin = std::clamp(s.x_fin + dx * px, s.x_ini + px, s.x_ini + g.ancho() - px);
        s.y_fin = std::clamp(s.y_fin + dy * py, s.y_ini + py, g.y_fin);
        s.x_fin = std::min(s.x_fin, g.x_fin);
        return s;
    }
    const float w = s.ancho(), h = s.y_fin - s.y_ini;
    s.x_ini = std::clamp(s.x_ini + dx * px, g.x_ini, g.x_fin - w);
    s.y_ini = std::clamp(s.y_ini + dy * py, g.y_ini, g.y_fin - h);
    s.x_fin = s.x_ini + w;
    s.y_fin = s.y_ini + h;
    return s;
}
