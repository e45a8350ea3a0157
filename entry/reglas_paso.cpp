#include "entry/reglas_paso.h"

#include <array>

namespace {

struct Fila {
    std::int64_t menor_que; // ten-thousandths
    std::int64_t paso;
};

constexpr std::array<Fila, 4> tabla_arriba{{
    {1'0000, 1000},
    {10'0000, 1'0000},
    {100'0000, 10'0000},
    {500'0000, 100'0000},
}};

constexpr std::array<Fila, 4> tabla_abajo{{
    {1'1000, 1000},
    {11'0000, 1'0000},
    {110'0000, 10'0000},
    {600'0000, 100'0000},
}};

} // namespace

Fijo paso_valor(Fijo v, Sentido sentido) {
    const auto& tabla = sentido == Sentido::arriba ? tabla_arriba : tabla_abajo;
    for (const Fila& f : tabla) {
        if (v.diezmilesimas() < f.menor_que) {
            return Fijo::crudo(f.paso);
        }
    }
    return Fijo{};
}

Fijo paso_sector(Fijo inferior, Fijo superior) {
    const Fijo d = inferior - superior;
    const Fijo w = d < Fijo{} ? -d : d;
    // Each rule overrides the one before.
    Fijo s = Fijo::crudo(2000);
    if (w <= Fijo::crudo(5000)) {
        s = Fijo::crudo(1000);
    }
    if (w <= Fijo::crudo(1000)) {
        s = Fijo::crudo(500);
    }
    if (w <= Fijo::crudo(500)) {
        s = Fijo::crudo(100);
    }
    if (w == Fijo{}) {
        s = Fijo{};
    }
    return s;
}

std::optional<Fijo> dar_paso(Fijo v, Fijo s, Sentido sentido, Fijo minimo, Fijo maximo) {
    if (sentido == Sentido::arriba) {
        const Fijo n = v + s;
        return n <= maximo ? std::optional<Fijo>(n) : std::nullopt;
    }
    const Fijo n = v - s;
    return n >= minimo ? std::optional<Fijo>(n) : std::nullopt;
}

// The single-precision tops widen to double before the comparison: 0.51f - 0.2
// lies just below 0.31, so a lower end of 0.31 is refused, while 0.5f - 0.2 is 0.3.
bool cruza_superior(Fijo n, float top_sup) {
    return n.a_double() > static_cast<double>(top_sup) - 0.2;
}

bool cruza_inferior(Fijo n, float top_inf) {
    return n.a_double() < static_cast<double>(top_inf);
}
