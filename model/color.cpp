#include "model/color.h"

#include "model/fijo.h"

#include <array>

namespace {

std::uint32_t componente(double x) {
    const double r = round_even(x);
    if (!(r > 0)) {
        return 0;
    }
    return r > 255 ? 255u : static_cast<std::uint32_t>(r);
}

} // namespace

Color RGB(double r, double g, double b) {
    return componente(r) | (componente(g) << 8) | (componente(b) << 16);
}

Color QBColor(int n) {
    static constexpr std::array<Color, 16> paleta = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
    };
    if (n < 0 || n > 15) {
        return 0;
    }
    return paleta[static_cast<std::size_t>(n)];
}
