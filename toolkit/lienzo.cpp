#include "toolkit/lienzo.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {

// a / b rounded down.
int piso(long long a, long long b) {
    const long long q = a / b, r = a % b;
    return static_cast<int>(r != 0 && (r < 0) != (b < 0) ? q - 1 : q);
}

} // namespace

void Lienzo::vertical(int x, int y0, int y1, QRgb c) {
    rectangulo(x + desde_, std::min(y0, y1) + desde_, x + desde_ + w_ - 1,
               std::max(y0, y1) + desde_ + w_ - 1, c);
}

void Lienzo::linea(int x0, int y0, int x1, int y1, QRgb c) {
    const long long dx = x1 - x0, dy = y1 - y0;
    if (std::abs(dy) >= std::abs(dx)) {
        // Steep: a run of rows in each column it crosses, over the rows that
        // can reach the image.
        int desde = 0, hasta = 0;
        if (!recortar(y0, y1, img_.height(), desde, hasta)) {
            return;
        }
        const int paso = dy > 0 ? 1 : -1;
        const auto x_en = [&](int y) { return dy == 0 ? x0 : x0 + piso((y - y0) * dx, dy); };
        int inicio = desde, columna = x_en(desde);
        for (int y = desde;; y += paso) {
            const int x = x_en(y);
            if (x != columna) {
                vertical(columna, inicio, y - paso, c);
                inicio = y;
                columna = x;
            }
            if (y == hasta) {
                vertical(columna, inicio, y, c);
                return;
            }
        }
    }
    int desde = 0, hasta = 0;
    if (!recortar(x0, x1, img_.width(), desde, hasta)) {
        return;
    }
    const int paso = dx > 0 ? 1 : -1;
    for (int x = desde;; x += paso) {
        const int y = y0 + piso((x - x0) * dy, dx);
        vertical(x, y, y, c);
        if (x == hasta) {
            return;
        }
    }
}

void Lienzo::rectangulo(int x0, int y0, int x1, int y1, QRgb c) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, img_.width() - 1);
    y1 = std::min(y1, img_.height() - 1);
    if (x0 > x1) {
        return; // beside the image
    }
    for (int y = y0; y <= y1; ++y) {
        auto* fila = reinterpret_cast<QRgb*>(img_.scanLine(y));
        std::fill(fila + x0, fila + x1 + 1, c);
    }
}

bool Lienzo::recortar(int a, int b, int n, int& desde, int& hasta) const {
    const int lo = -w_, hi = n - 1 + w_;
    if (std::max(a, b) < lo || std::min(a, b) > hi) {
        return false;
    }
    desde = std::clamp(a, lo, hi);
    hasta = std::clamp(b, lo, hi);
    return true;
}

QImage* imagen_directa(QPainter& p) {
    if (p.device() == nullptr || p.device()->devType() != QInternal::Image) {
        return nullptr;
    }
    auto* img = static_cast<QImage*>(p.device());
    return img->format() == QImage::Format_RGB32 ? img : nullptr;
}
