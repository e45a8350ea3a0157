#pragma once

#include <cstdint>

// A 24-bit colour, red in the lowest byte: red + 256 * green + 65536 * blue.
using Color = std::uint32_t;

// Each component rounded half to even, taken as 255 above 255 and as 0 below 0.
Color RGB(double r, double g, double b);

// The classic sixteen-colour palette, 0 to 15 (other indices give black).
Color QBColor(int n);

constexpr int rojo_de(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int verde_de(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int azul_de(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
