#pragma once

// What the harnesses share: a way to stop on a broken rule with its reason,
// and the input taken as values.

#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// A broken rule: said, then abort, so that libFuzzer keeps the input.
#define EXIGIR(condicion, ...)                                                                     \
    do {                                                                                           \
        if (!(condicion)) {                                                                        \
            std::fprintf(stderr, "broken: %s\n", #condicion);                                      \
            std::fprintf(stderr, __VA_ARGS__);                                                     \
            std::fprintf(stderr, "\n");                                                            \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// The input read front to back as values; past its end, zeros.
class Entrada {
public:
    Entrada(const std::uint8_t* datos, std::size_t n) : datos_(datos), n_(n) {}

    template <class T> T tomar() {
        T x{};
        const std::size_t k = std::min(sizeof x, n_ - i_);
        std::memcpy(&x, datos_ + i_, k);
        i_ += k;
        return x;
    }
    // An integer in lo..hi.
    std::int64_t entre(std::int64_t lo, std::int64_t hi) {
        const auto r = static_cast<std::uint64_t>(hi - lo) + 1;
        return lo + static_cast<std::int64_t>(tomar<std::uint64_t>() % (r == 0 ? 1 : r));
    }
    bool vacia() const { return i_ >= n_; }

private:
    const std::uint8_t* datos_;
    std::size_t n_;
    std::size_t i_ = 0;
};

inline std::u16string u16(const QString& s) {
    return s.toStdU16String();
}
