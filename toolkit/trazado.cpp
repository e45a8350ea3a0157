#include "toolkit/trazado.h"

#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>

namespace {

// Aliased painting lights the pixel to the right of and below a whole coordinate,
// so whole pixel indices address pixels exactly.
QPointF centro(int x, int y) {
    return QPointF(x, y);
}

// A w-pixel stroke as w x w one-pixel strokes side by side: one-pixel aliased
// lines are drawn directly, while wide pens go through the path stroker, many
// times slower for a curve of thousands of points.
template <typename Trazar> void con_grosor(QPainter& p, const QColor& color, int w, Trazar trazar) {
    p.setPen(QPen(color, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const int desde = -(w - 1) / 2;
    for (int dx = desde; dx < desde + w; ++dx) {
        for (int dy = desde; dy < desde + w; ++dy) {
            p.translate(dx, dy);
            trazar();
            p.translate(-dx, -dy);
        }
    }
}

} // namespace

int celda(double v) {
    if (!(v > -1e6)) {
        return -1000000;
    }
    return v < 1e6 ? static_cast<int>(std::floor(v)) : 1000000;
}

bool Figura::operator==(const Figura& o) const {
    return tipo == o.tipo && invertir == o.invertir && color == o.color && escala == o.escala &&
           a == o.a && b == o.b && trazo == o.trazo;
}

QPolygonF reducir(const Trazo& t, const Mapa& m) {
    QPolygonF salida;
    salida.reserve(static_cast<int>(std::min<std::size_t>(t.size(), 4 * 8192)));
    const std::size_t n = t.size();
    std::size_t i = 0;
    while (i < n) {
        const int col = celda(m.x(t[i].x));
        // The run goes on while the samples stay between the column's edges,
        // taken back to user coordinates: a comparison per sample, no rounding.
        const double borde_a = m.usuario_x(col), borde_b = m.usuario_x(col + 1);
        const double x_menor = std::min(borde_a, borde_b), x_mayor = std::max(borde_a, borde_b);
        float y_menor = t[i].y, y_mayor = t[i].y;
        std::size_t i_menor = i, i_mayor = i;
        std::size_t j = i + 1;
        for (; j < n; ++j) {
            const double x = t[j].x;
            if (x < x_menor || x >= x_mayor) {
                break;
            }
            const float y = t[j].y;
            if (y < y_menor) {
                y_menor = y;
                i_menor = j;
            } else if (y > y_mayor) {
                y_mayor = y;
                i_mayor = j;
            }
        }
        salida << centro(col, celda(m.y(t[i].y)));
        const QPointF bajo = centro(col, celda(m.y(y_menor)));
        const QPointF alto = centro(col, celda(m.y(y_mayor)));
        if (i_menor < i_mayor) {
            salida << bajo << alto;
        } else if (i_mayor < i_menor) {
            salida << alto << bajo;
        }
        salida << centro(col, celda(m.y(t[j - 1].y)));
        i = j;
    }
    return salida;
}

void pintar_figura(QPainter& p, const Figura& f, QSize tam, int grosor, const QPolygonF* reducida) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setCompositionMode(f.invertir ? QPainter::RasterOp_SourceXorDestination
                                    : QPainter::CompositionMode_SourceOver);
    const QColor color = a_qcolor(f.color);
    const int w = grosor;
    const Mapa m(f.escala, tam);
    const int xa = celda(m.x(f.a.x())), ya = celda(m.y(f.a.y()));
    const int xb = celda(m.x(f.b.x())), yb = celda(m.y(f.b.y()));
    const int x0 = std::min(xa, xb), x1 = std::max(xa, xb);
    const int y0 = std::min(ya, yb), y1 = std::max(ya, yb);
    const QRect lienzo(QPoint(0, 0), tam);
    switch (f.tipo) {
    case Figura::Tipo::linea:
        if (f.invertir) {
            // One stroke, so no pixel is inverted twice.
            p.setPen(QPen(color, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            p.drawLine(centro(xa, ya), centro(xb, yb));
        } else {
            con_grosor(p, color, w, [&] { p.drawLine(centro(xa, ya), centro(xb, yb)); });
        }
        break;
    case Figura::Tipo::caja: {
        // The outline as a ring of rectangles, so that every pixel is covered
        // once and an inverted box drawn twice leaves no trace, corners included.
        const QRect fuera(x0, y0, x1 - x0 + w, y1 - y0 + w);
        QRegion anillo(fuera.intersected(lienzo.adjusted(-w, -w, w, w)));
        if (x1 - x0 > w && y1 - y0 > w) {
            anillo -= QRegion(x0 + w, y0 + w, x1 - x0 - w, y1 - y0 - w);
        }
        for (const QRect& r : anillo) {
            p.fillRect(r, color);
        }
        break;
    }
    case Figura::Tipo::caja_llena:
        p.fillRect(QRect(QPoint(x0, y0), QPoint(x1, y1)).intersected(lienzo), color);
        break;
    case Figura::Tipo::punto:
        p.fillRect(QRect(xa - (w - 1) / 2, ya - (w - 1) / 2, w, w), color);
        break;
    case Figura::Tipo::polilinea: {
        const QPolygonF linea = reducida ? *reducida : reducir(*f.trazo, m);
        con_grosor(p, color, w, [&] {
            p.drawPolyline(linea);
            p.drawPoint(linea.back()); // aliased lines leave out their last pixel
        });
        break;
    }
    }
}
