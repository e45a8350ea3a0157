#include "informe/contraste.h"

#include <algorithm>
#include <cmath>

namespace {

double lineal(int c) {
    const double x = c / 255.0;
    return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
}

double luminancia(const QColor& c) {
    return 0.2126 * lineal(c.red()) + 0.7152 * lineal(c.green()) + 0.0722 * lineal(c.blue());
}

QColor mezcla(const QColor& a, const QColor& b, double t) {
    const auto canal = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(canal(a.red(), b.red()), canal(a.green(), b.green()), canal(a.blue(), b.blue()));
}

} // namespace

double contraste(const QColor& a, const QColor& b) {
    const double la = luminancia(a), lb = luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor legible(const QColor& texto, const QColor& fondo, double minimo) {
    if (contraste(texto, fondo) >= minimo) {
        return texto;
    }
    const QColor meta = contraste(Qt::black, fondo) >= contraste(Qt::white, fondo)
                            ? QColor(Qt::black)
                            : QColor(Qt::white);
    double bajo = 0, alto = 1;
    for (int i = 0; i < 30; ++i) {
        const double t = (bajo + alto) / 2;
        (contraste(mezcla(texto, meta, t), fondo) >= minimo ? alto : bajo) = t;
    }
    return mezcla(texto, meta, alto);
}
