#include "model/parametros.h"

#include <algorithm>
#include <cmath>

std::optional<Fijo> tangente_de_seno(double s) {
    if (!std::isfinite(s) || std::fabs(s) >= 1) {
        return std::nullopt;
    }
    // Past the range of the fixed point the position saturates, beyond any limit.
    return Fijo::desde(s / std::sqrt(1 - s * s));
}

double seno_de_tangente(double t) {
    return t / std::sqrt(t * t + 1);
}

void Parametros::fijar_limites(Magnitud m, Fijo minimo, Fijo maximo) {
    minimo_[indice(m)] = minimo;
    maximo_[indice(m)] = maximo;
}

bool Parametros::admite(Magnitud m, double x) const {
    return x >= minimo(m).a_double() && x <= maximo(m).a_double();
}

Fijo Parametros::dentro_de_limites(Magnitud m, Fijo v) const {
    return std::clamp(v, minimo(m), maximo(m));
}

Red Parametros::red() const {
    return Red(valor(Magnitud::onda), valor(Magnitud::ancho), valor(Magnitud::distancia),
               valor(Magnitud::ranuras));
}

Objecion objecion_al_graficar(double seno_1, double seno_2, const Parametros& p) {
    // Sines a hair apart can round to one position on the screen: the range
    // the curve would take is then empty too.
    if (seno_2 <= seno_1 || p.valor(Magnitud::superior) <= p.valor(Magnitud::inferior)) {
        return Objecion::senos;
    }
    if (p.valor(Magnitud::ranuras) > 1 && p.valor(Magnitud::distancia) < p.valor(Magnitud::ancho)) {
        return Objecion::distancia;
    }
    return Objecion::ninguna;
}
