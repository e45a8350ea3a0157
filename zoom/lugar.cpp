#include "zoom/lugar.h"

#include <algorithm>

namespace {
// Room left between the window and what it must not cover.
constexpr int holgura = 8;
} // namespace

QPoint dentro_de(QPoint lugar, QSize tam, const QRect& pantalla) {
    const int x =
        std::max(pantalla.left(), std::min(lugar.x(), pantalla.right() + 1 - tam.width()));
    const int y =
        std::max(pantalla.top(), std::min(lugar.y(), pantalla.bottom() + 1 - tam.height()));
    return {x, y};
}

QPoint lugar_junto_a(QSize tam, const QRect& despejar, const QRect& pantalla) {
    const QRect d = despejar.adjusted(-holgura, -holgura, holgura, holgura);
    const int izquierda = d.left() - pantalla.left();
    const int derecha = pantalla.right() - d.right();
    const int arriba = d.top() - pantalla.top();
    const int abajo = pantalla.bottom() - d.bottom();
    const int w = tam.width(), h = tam.height();
    if (w <= izquierda || (w > derecha && h > abajo && h > arriba && izquierda >= derecha)) {
        return dentro_de({d.left() - w, despejar.top()}, tam, pantalla);
    }
    if (w <= derecha || (h > abajo && h > arriba)) {
        return dentro_de({d.right() + 1, despejar.top()}, tam, pantalla);
    }
    if (h <= abajo) {
        return dentro_de({despejar.left(), d.bottom() + 1}, tam, pantalla);
    }
    return dentro_de({despejar.left(), d.top() - h}, tam, pantalla);
}
