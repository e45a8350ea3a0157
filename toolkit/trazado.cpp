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

// The pixels of an image written directly, for the figures painted most: in
// copy mode, clipped to the image, each pixel a w x w block as the strokes of
// `con_grosor` are.
class Lienzo {
public:
    Lienzo(QImage& img, int w) : img_(img), w_(w), desde_(-(w - 1) / 2) {}

    // The blocks of the pixels (x, y0)..(x, y1).
    void vertical(int x, int y0, int y1, QRgb c) {
        rectangulo(x + desde_, std::min(y0, y1) + desde_, x + desde_ + w_ - 1,
                   std::max(y0, y1) + desde_ + w_ - 1, c);
    }
    // The blocks of an aliased line from (x0, y0) to (x1, y1), both ends
    // included, as the raster engine draws it: pixel indices are corners, so
    // the line lights the pixel whose corner it passes (the coordinate floored).
    void linea(int x0, int y0, int x1, int y1, QRgb c) {
        const long long dx = x1 - x0, dy = y1 - y0;
        if (std::abs(dy) >= std::abs(dx)) {
            // Steep: a run of rows in each column it crosses, over the rows
            // that can reach the image.
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
    void rectangulo(int x0, int y0, int x1, int y1, QRgb c) {
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

private:
    // The part of the run a..b (either way round) whose blocks can touch
    // 0..n-1, as desde..hasta in the run's direction; false if none.
    bool recortar(int a, int b, int n, int& desde, int& hasta) const {
        const int lo = -w_, hi = n - 1 + w_;
        if (std::max(a, b) < lo || std::min(a, b) > hi) {
            return false;
        }
        desde = std::clamp(a, lo, hi);
        hasta = std::clamp(b, lo, hi);
        return true;
    }
    // a / b rounded down.
    static int piso(long long a, long long b) {
        const long long q = a / b, r = a % b;
        return static_cast<int>(r != 0 && (r < 0) != (b < 0) ? q - 1 : q);
    }

    QImage& img_;
    int w_;
    int desde_;
};

// The image a painter paints on, when the program's pixels can be written to it directly.
QImage* imagen_directa(QPainter& p) {
    if (p.device() == nullptr || p.device()->devType() != QInternal::Image) {
        return nullptr;
    }
    auto* img = static_cast<QImage*>(p.device());
    return img->format() == QImage::Format_RGB32 ? img : nullptr;
}

// Cuts the segment a-b to the rectangle r (Liang-Barsky); false if it misses
// it. Ends inside stay exactly where they are.
bool recortar(QPointF& a, QPointF& b, const QRectF& r) {
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) ||
        !std::isfinite(b.y())) {
        return false;
    }
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    const auto borde = [&](double q, double d) { // keeps q + t d >= 0
        if (d == 0) {
            return q >= 0;
        }
        const double t = -q / d;
        if (d > 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        return t0 <= t1;
    };
    if (!borde(a.x() - r.left(), dx) || !borde(r.right() - a.x(), -dx) ||
        !borde(a.y() - r.top(), dy) || !borde(r.bottom() - a.y(), -dy)) {
        return false;
    }
    const QPointF inicio = a;
    if (t0 > 0) {
        a = inicio + QPointF(t0 * dx, t0 * dy);
    }
    if (t1 < 1) {
        b = inicio + QPointF(t1 * dx, t1 * dy);
    }
    return true;
}

int brillo(QRgb c) {
    return qRed(c) + qGreen(c) + qBlue(c);
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
           a == o.a && b == o.b && trazo == o.trazo && colores == o.colores;
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
    const QColor color = QColor::fromRgb(f.color);
    const int w = grosor;
    const Mapa m(f.escala, tam);
    const int xa = celda(m.x(f.a.x())), ya = celda(m.y(f.a.y()));
    const int xb = celda(m.x(f.b.x())), yb = celda(m.y(f.b.y()));
    const int x0 = std::min(xa, xb), x1 = std::max(xa, xb);
    const int y0 = std::min(ya, yb), y1 = std::max(ya, yb);
    const QRect lienzo(QPoint(0, 0), tam);
    switch (f.tipo) {
    case Figura::Tipo::linea: {
        // Ends far outside are first moved along the line to half a million
        // pixels around the picture, so that no coordinate is cut short: the
        // rounding of the moved ends tilts the line by a fiftieth of a pixel at most.
        QPointF da = m.a_area(f.a), db = m.a_area(f.b);
        const double margen = 500000;
        if (!recortar(
                da, db,
                QRectF(-margen, -margen, tam.width() + 2 * margen, tam.height() + 2 * margen))) {
            break;
        }
        const int la = celda(da.x()), ta = celda(da.y()), lb = celda(db.x()), tb = celda(db.y());
        if (f.invertir) {
            // One stroke, so no pixel is inverted twice.
            p.setPen(QPen(color, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            p.drawLine(centro(la, ta), centro(lb, tb));
        } else if (QImage* img = imagen_directa(p)) {
            Lienzo(*img, w).linea(la, ta, lb, tb, color.rgb());
        } else {
            con_grosor(p, color, w, [&] { p.drawLine(centro(la, ta), centro(lb, tb)); });
        }
        break;
    }
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
        if (QImage* img = imagen_directa(p); img && !f.invertir) {
            // A reduced curve is mostly short vertical runs: written directly,
            // many times faster than stroked.
            Lienzo lienzo(*img, w);
            const QRgb c = color.rgb();
            for (qsizetype i = 0; i + 1 < linea.size(); ++i) {
                lienzo.linea(int(linea[i].x()), int(linea[i].y()), int(linea[i + 1].x()),
                             int(linea[i + 1].y()), c);
            }
            if (linea.size() == 1) {
                lienzo.vertical(int(linea[0].x()), int(linea[0].y()), int(linea[0].y()), c);
            }
        } else {
            con_grosor(p, color, w, [&] {
                p.drawPolyline(linea);
                p.drawPoint(linea.back()); // aliased lines leave out their last pixel
            });
        }
        break;
    }
    case Figura::Tipo::bandas: {
        // Rows narrower than a pixel share it: the brightest of them shows, so
        // that a pixel shows the light that falls in it.
        const std::vector<QRgb>& colores = *f.colores;
        const int n = static_cast<int>(colores.size());
        const int alto = tam.height();
        std::vector<int> elegida(static_cast<std::size_t>(alto), -1);
        for (int i = 0; i < n; ++i) {
            const int p0 = celda(m.y(f.a.y() + (f.b.y() - f.a.y()) * i / n));
            const int p1 = celda(m.y(f.a.y() + (f.b.y() - f.a.y()) * (i + 1) / n));
            for (int y = std::max(0, std::min(p0, p1)); y <= std::min(alto - 1, std::max(p0, p1));
                 ++y) {
                int& e = elegida[static_cast<std::size_t>(y)];
                if (e < 0 || brillo(colores[std::size_t(i)]) > brillo(colores[std::size_t(e)])) {
                    e = i;
                }
            }
        }
        QImage* img = imagen_directa(p);
        for (int y = 0; y < alto; ++y) {
            const int e = elegida[static_cast<std::size_t>(y)];
            if (e < 0) {
                continue;
            }
            const QColor c = QColor::fromRgb(colores[std::size_t(e)]);
            if (img) {
                Lienzo(*img, 1).rectangulo(x0, y, x1, y, c.rgb());
            } else {
                p.fillRect(QRect(QPoint(x0, y), QPoint(x1, y)).intersected(lienzo), c);
            }
        }
        break;
    }
    }
}
