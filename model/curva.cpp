#include "model/curva.h"

#include "model/color_onda.h"
#include "model/parametros.h"

#include <cmath>

namespace {

double grados(Fijo t) {
    return std::atan(t.a_double()) * 180 / pi_simple();
}

} // namespace

double Curva::seno_min() const {
    return seno_de_tangente(inferior);
}

double Curva::seno_max() const {
    return seno_de_tangente(superior);
}

double Curva::ang_min() const {
    return std::floor(grados(inferior)) + 1;
}

float Curva::ang_max() const {
    return static_cast<float>(std::floor(grados(superior)));
}

Curva curva_de(const Parametros& p) {
    Curva c;
    c.onda = p.valor(Magnitud::onda);
    c.ancho = p.valor(Magnitud::ancho);
    c.distancia = p.valor(Magnitud::distancia);
    c.ranuras = static_cast<int>(p.valor(Magnitud::ranuras).diezmilesimas() / Fijo::escala);
    c.color = color_de_onda(c.onda).compuesto();
    c.inferior = p.valor(Magnitud::inferior);
    c.superior = p.valor(Magnitud::superior);
    return c;
}
