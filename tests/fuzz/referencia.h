#pragma once

// A slow number reader written from the rule alone, to hold the program's
// against: blanks (space, tab, CR, LF) dropped wherever they stand, then the
// longest prefix of the form
//     [+-] (digits [. digits*] | . digits) [(e|E|d|D) [+-] digits]
// read by the C library in the C locale (the nearest double, an infinity or a
// zero of its sign when out of range); no such prefix reads as 0.

#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace referencia {

inline bool digito(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Digits from `i` on; returns where they stop.
inline std::size_t cifras(const std::u16string& s, std::size_t i) {
    while (i < s.size() && digito(s[i])) {
        ++i;
    }
    return i;
}

// The length of the longest prefix of `s` (which holds no blanks) that forms a
// number; 0 when none does.
inline std::size_t prefijo(const std::u16string& s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        ++i;
    }
    const std::size_t inicio_mantisa = i;
    const std::size_t fin_entera = cifras(s, i);
    std::size_t fin = fin_entera;
    if (fin < s.size() && s[fin] == u'.') {
        fin = cifras(s, fin + 1);
    }
    if (fin_entera == inicio_mantisa && fin <= fin_entera + 1) {
        return 0; // no digit before or after the point
    }
    if (fin < s.size() && (s[fin] == u'e' || s[fin] == u'E' || s[fin] == u'd' || s[fin] == u'D')) {
        std::size_t j = fin + 1;
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-')) {
            ++j;
        }
        const std::size_t fin_exp = cifras(s, j);
        if (fin_exp > j) {
            fin = fin_exp;
        }
    }
    return fin;
}

// The first `n` characters of `s`, a number by `prefijo`, read by the C library.
inline double leer(const std::u16string& s, std::size_t n) {
    std::string ascii;
    for (std::size_t k = 0; k < n; ++k) {
        const char c = static_cast<char>(s[k]);
        ascii.push_back(c == 'd' || c == 'D' ? 'e' : c);
    }
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(ascii.c_str(), nullptr, c);
}

inline double numero(const std::u16string& texto) {
    std::u16string s;
    for (char16_t c : texto) {
        if (c != u' ' && c != u'\t' && c != u'\r' && c != u'\n') {
            s.push_back(c);
        }
    }
    return leer(s, prefijo(s));
}

// Whether `campo` is one number and nothing else, spaces and tabs around it aside.
inline bool numero_entero(const std::u16string& campo, double& x) {
    const std::size_t a = campo.find_first_not_of(u" \t");
    if (a == std::u16string::npos) {
        return false;
    }
    const std::u16string t = campo.substr(a, campo.find_last_not_of(u" \t") + 1 - a);
    const std::size_t n = prefijo(t);
    x = leer(t, n);
    return n > 0 && n == t.size();
}

} // namespace referencia
