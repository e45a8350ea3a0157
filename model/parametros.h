#pragma once

#include "model/fijo.h"
#include "model/intens.h"

#include <array>
#include <optional>

// The six quantities of a case, numbered as their value boxes and spin buttons:
// the lower and upper end of the screen sector, N, a, d and the wavelength L.
enum class Magnitud { inferior = 1, superior, ranuras, ancho, distancia, onda };
inline constexpr std::array<Magnitud, 6> magnitudes{Magnitud::inferior,  Magnitud::superior,
                                                    Magnitud::ranuras,   Magnitud::ancho,
                                                    Magnitud::distancia, Magnitud::onda};
constexpr int indice(Magnitud m) {
    return static_cast<int>(m);
}
constexpr bool es_extremo(Magnitud m) {
    return m == Magnitud::inferior || m == Magnitud::superior;
}

// The highest upper limit a start-up file may give N, a, d and L; every record
// of a case holds it (the curve's slit count included).
inline constexpr int limite_mayor = 100000;

// The position on the screen (the tangent of the deviation angle) of a sine,
// rounded to four decimals; nothing when the sine has no place on the screen
// (magnitude 1 or more, or not a number).
std::optional<Fijo> tangente_de_seno(double s);
// The sine of a position on the screen.
double seno_de_tangente(double t);
inline double seno_de_tangente(Fijo t) {
    return seno_de_tangente(t.a_double());
}

// The parameter set: the value of each quantity and the limits it must keep,
// four decimals each. The ends of the sector are held as positions on the
// screen (tangents), as its markers stand on the strip; their boxes show sines.
class Parametros {
public:
    Fijo valor(Magnitud m) const { return valor_[indice(m)]; }
    Fijo minimo(Magnitud m) const { return minimo_[indice(m)]; }
    Fijo maximo(Magnitud m) const { return maximo_[indice(m)]; }
    void fijar(Magnitud m, Fijo v) { valor_[indice(m)] = v; }
    void fijar_limites(Magnitud m, Fijo minimo, Fijo maximo);

    // x lies within the limits of m.
    bool admite(Magnitud m, double x) const;
    // v brought within the limits of m.
    Fijo dentro_de_limites(Magnitud m, Fijo v) const;
    // The model of the current grating and light.
    Red red() const;

    bool operator==(const Parametros&) const = default;

private:
    std::array<Fijo, 7> valor_{};
    std::array<Fijo, 7> minimo_{};
    std::array<Fijo, 7> maximo_{};
};

// What "Graficar" refuses, given the sines typed for the sector's ends: an
// empty or reversed range (typed, or as the ends are held), or slits wider
// than their distance (N > 1).
enum class Objecion { ninguna, senos, distancia };
Objecion objecion_al_graficar(double seno_1, double seno_2, const Parametros& p);
