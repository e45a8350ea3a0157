#pragma once

#include <cstdint>

// A colour of three components of 0 to 255: red, green and blue.
class Color {
public:
    constexpr Color() = default; // black

    static constexpr Color rgb(std::uint8_t rojo, std::uint8_t verde, std::uint8_t azul) {
        return Color(rojo, verde, azul);
    }
    // From the classic colour number red + 256 green + 65536 blue (red in the
    // lowest byte), the form in which worked values give colours: 255 is pure
    // red, 16711680 pure blue. Bits past the 24th are left out.
    static constexpr Color de_numero(std::uint32_t n) {
        return Color(n & 0xFF, (n >> 8) & 0xFF, (n >> 16) & 0xFF);
    }
    constexpr std::uint32_t numero() const {
        return rojo_ | (std::uint32_t{verde_} << 8) | (std::uint32_t{azul_} << 16);
    }

    constexpr int rojo() const { return rojo_; }
    constexpr int verde() const { return verde_; }
    constexpr int azul() const { return azul_; }

    constexpr bool operator==(const Color&) const = default;

private:
    constexpr Color(std::uint32_t r, std::uint32_t g, std::uint32_t b)
        : rojo_(static_cast<std::uint8_t>(r)), verde_(static_cast<std::uint8_t>(g)),
          azul_(static_cast<std::uint8_t>(b)) {}

    std::uint8_t rojo_ = 0;
    std::uint8_t verde_ = 0;
    std::uint8_t azul_ = 0;
};

// Each component rounded half to even, taken as 255 above 255 and as 0 below 0.
Color RGB(double r, double g, double b);

// The classic sixteen-colour palette, 0 to 15 (other indices give black).
Color QBColor(int n);
