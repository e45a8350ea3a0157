#include "model/color.h"

#include "model/fijo.h"

#include <array>

namespace {

std::uint8_t componente(double x) {
    const double r = round_even(x);
    if (!(r > 0)) {
        return 0;
    }
    return r > 255 ? 255 : static_cast<std::uint8_t>(r);
}

} // namespace

Color RGB(double r, double g, double b) {
    return Color::rgb(componente(r), componente(g), componente(b));
}

Color QBColor(int n) {
    static constexpr std::array<Color, 16> paleta = {
        Color::rgb(0, 0, 0),       Color::rgb(0, 0, 128),     Color::rgb(0, 128, 0),
        Color::rgb(0, 128, 128),   Color::rgb(128, 0, 0),     Color::rgb(128, 0, 128),
        Color::rgb(128, 128, 0),   Color::rgb(192, 192, 192), Color::rgb(128, 128, 128),
        Color::rgb(0, 0, 255),     Color::rgb(0, 255, 0),     Color::rgb(0, 255, 255),
        Color::rgb(255, 0, 0),     Color::rgb(255, 0, 255),   Color::rgb(255, 255, 0),
        Color::rgb(255, 255, 255),
    };
    if (n < 0 || n > 15) {
        return {};
    }
    return paleta[static_cast<std::size_t>(n)];
}
