#pragma once

#include <cstdint>

// Rounds to the nearest whole number, halves to the even neighbour (the rounding
// of every computed value that becomes whole: colour components, bins, rows...).
double round_even(double x);

// A signed fixed-point number with four decimals, held as the value times 10000.
// Sums and differences are exact; products and quotients are rounded to four
// decimals with halves to even. Used for the parameter set, its limits and the
// curve history, so that steps of 0.1, 0.01 and 0.001 never drift.
class Fijo {
public:
    static constexpr std::int64_t escala = 10000;

    constexpr Fijo() = default;
    constexpr Fijo(int entero) : v_(std::int64_t{entero} * escala) {}

    // x rounded to four decimals (halves to even). NaN gives 0 and values beyond
    // the range of the type saturate at its ends; callers that must refuse such
    // input test `representable` first.
    static Fijo desde(double x);
    static bool representable(double x);
    static constexpr Fijo crudo(std::int64_t diezmilesimas) {
        Fijo f;
        f.v_ = diezmilesimas;
        return f;
    }

    constexpr std::int64_t diezmilesimas() const { return v_; }
    double a_double() const { return static_cast<double>(v_) / escala; }

    constexpr Fijo operator-() const { return crudo(-v_); }
    constexpr Fijo operator+(Fijo o) const { return crudo(v_ + o.v_); }
    constexpr Fijo operator-(Fijo o) const { return crudo(v_ - o.v_); }
    constexpr Fijo& operator+=(Fijo o) { return *this = *this + o; }
    constexpr Fijo& operator-=(Fijo o) { return *this = *this - o; }
    constexpr Fijo operator*(int k) const { return crudo(v_ * k); }
    Fijo operator*(Fijo o) const;
    Fijo operator/(Fijo o) const;

    constexpr bool operator==(Fijo o) const { return v_ == o.v_; }
    constexpr bool operator!=(Fijo o) const { return v_ != o.v_; }
    constexpr bool operator<(Fijo o) const { return v_ < o.v_; }
    constexpr bool operator<=(Fijo o) const { return v_ <= o.v_; }
    constexpr bool operator>(Fijo o) const { return v_ > o.v_; }
    constexpr bool operator>=(Fijo o) const { return v_ >= o.v_; }

private:
    std::int64_t v_ = 0;
};
