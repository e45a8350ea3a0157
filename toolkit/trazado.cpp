#include "toolkit/trazado.h"

#include "toolkit/lienzo.h"

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
           a == o.a && b == o.b && trazo == o.trazo && colores == o.colores && texto == o.texto &&
           alineacion == o.alineacion;
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

namespace {

// What every figure is painted with: the painter, the image's size and map, the
// stroke width in pixels and the figure's colour.
struct Pintura {
    QPainter& p;
    const Figura& f;
    QSize tam;
    int w;
    QColor color;
    Mapa m;

    // The pixels of the figure's two points, and the rectangle between them.
    QPoint a() const { return {celda(m.x(f.a.x())), celda(m.y(f.a.y()))}; }
    QPoint b() const { return {celda(m.x(f.b.x())), celda(m.y(f.b.y()))}; }
    QRect entre() const {
        const QPoint u = a(), v = b();
        return QRect(QPoint(std::min(u.x(), v.x()), std::min(u.y(), v.y())),
                     QPoint(std::max(u.x(), v.x()), std::max(u.y(), v.y())));
    }
    QRect lienzo() const { return QRect(QPoint(0, 0), tam); }
};

void pintar_linea(const Pintura& x) {
    // Ends far outside are first moved along the line to half a million pixels
    // around the picture, so that no coordinate is cut short: the rounding of
    // the moved ends tilts the line by a fiftieth of a pixel at most.
    QPointF da = x.m.a_area(x.f.a), db = x.m.a_area(x.f.b);
    const double margen = 500000;
    if (!recortar(
            da, db,
            QRectF(-margen, -margen, x.tam.width() + 2 * margen, x.tam.height() + 2 * margen))) {
        return;
    }
    const int la = celda(da.x()), ta = celda(da.y()), lb = celda(db.x()), tb = celda(db.y());
    if (x.f.invertir) {
        // One stroke, so no pixel is inverted twice.
        x.p.setPen(QPen(x.color, x.w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        x.p.drawLine(centro(la, ta), centro(lb, tb));
    } else if (QImage* img = imagen_directa(x.p)) {
        Lienzo(*img, x.w).linea(la, ta, lb, tb, x.color.rgb());
    } else {
        con_grosor(x.p, x.color, x.w, [&] { x.p.drawLine(centro(la, ta), centro(lb, tb)); });
    }
}

void pintar_caja(const Pintura& x) {
    // The outline as a ring of rectangles, so that every pixel is covered once
    // and an inverted box drawn twice leaves no trace, corners included.
    const QRect r = x.entre();
    const int w = x.w;
    const QRect fuera(r.left(), r.top(), r.width() - 1 + w, r.height() - 1 + w);
    QRegion anillo(fuera.intersected(x.lienzo().adjusted(-w, -w, w, w)));
    if (r.width() - 1 > w && r.height() - 1 > w) {
        anillo -= QRegion(r.left() + w, r.top() + w, r.width() - 1 - w, r.height() - 1 - w);
    }
    for (const QRect& parte : anillo) {
        x.p.fillRect(parte, x.color);
    }
}

void pintar_caja_llena(const Pintura& x) {
    x.p.fillRect(x.entre().intersected(x.lienzo()), x.color);
}

void pintar_punto(const Pintura& x) {
    const QPoint a = x.a();
    x.p.fillRect(QRect(a.x() - (x.w - 1) / 2, a.y() - (x.w - 1) / 2, x.w, x.w), x.color);
}

void pintar_polilinea(const Pintura& x, const QPolygonF* reducida) {
    const QPolygonF linea = reducida ? *reducida : reducir(*x.f.trazo, x.m);
    if (QImage* img = imagen_directa(x.p); img && !x.f.invertir) {
        // A reduced curve is mostly short vertical runs: written directly, many
        // times faster than stroked.
        Lienzo lienzo(*img, x.w);
        const QRgb c = x.color.rgb();
        for (qsizetype i = 0; i + 1 < linea.size(); ++i) {
            lienzo.linea(int(linea[i].x()), int(linea[i].y()), int(linea[i + 1].x()),
                         int(linea[i + 1].y()), c);
        }
        if (linea.size() == 1) {
            lienzo.vertical(int(linea[0].x()), int(linea[0].y()), int(linea[0].y()), c);
        }
        return;
    }
    con_grosor(x.p, x.color, x.w, [&] {
        x.p.drawPolyline(linea);
        x.p.drawPoint(linea.back()); // aliased lines leave out their last pixel
    });
}

void pintar_bandas(const Pintura& x) {
    // Rows narrower than a pixel share it: the brightest of them shows, so that
    // a pixel shows the light that falls in it.
    const std::vector<QRgb>& colores = *x.f.colores;
    const int n = static_cast<int>(colores.size());
    const int alto = x.tam.height();
    const double y0 = x.f.a.y(), y1 = x.f.b.y();
    std::vector<int> elegida(static_cast<std::size_t>(alto), -1);
    for (int i = 0; i < n; ++i) {
        const int p0 = celda(x.m.y(y0 + (y1 - y0) * i / n));
        const int p1 = celda(x.m.y(y0 + (y1 - y0) * (i + 1) / n));
        for (int y = std::max(0, std::min(p0, p1)); y <= std::min(alto - 1, std::max(p0, p1));
             ++y) {
            int& e = elegida[static_cast<std::size_t>(y)];
            if (e < 0 || brillo(colores[std::size_t(i)]) > brillo(colores[std::size_t(e)])) {
                e = i;
            }
        }
    }
    const QRect r = x.entre();
    QImage* img = imagen_directa(x.p);
    for (int y = 0; y < alto; ++y) {
        const int e = elegida[static_cast<std::size_t>(y)];
        if (e < 0) {
            continue;
        }
        const QRgb c = colores[std::size_t(e)];
        if (img) {
            Lienzo(*img, 1).rectangulo(r.left(), y, r.right(), y, c);
        } else {
            x.p.fillRect(QRect(QPoint(r.left(), y), QPoint(r.right(), y)).intersected(x.lienzo()),
                         QColor::fromRgb(c));
        }
    }
}

void pintar_texto(const Pintura& x, std::vector<QRectF>* ocupados) {
    // A gap of a stroke and a half between the point and the text.
    const QFontMetrics letra(x.p.font());
    const QRect caja = letra.boundingRect(x.f.texto);
    const double hueco = 1.5 * x.w;
    const QPointF a = x.m.a_area(x.f.a);
    const int alin = x.f.alineacion;
    double izquierda = a.x() - caja.width() / 2.0;
    if (alin & Qt::AlignLeft) {
        izquierda = a.x() + hueco;
    } else if (alin & Qt::AlignRight) {
        izquierda = a.x() - hueco - caja.width();
    }
    double arriba = a.y() - caja.height() / 2.0;
    if (alin & Qt::AlignTop) {
        arriba = a.y() + hueco;
    } else if (alin & Qt::AlignBottom) {
        arriba = a.y() - hueco - caja.height();
    }
    izquierda = std::clamp(izquierda, 0.0, std::max(0.0, double(x.tam.width() - caja.width())));
    arriba = std::clamp(arriba, 0.0, std::max(0.0, double(x.tam.height() - caja.height())));
    const QRectF lugar(izquierda, arriba, caja.width(), caja.height());
    if (ocupados) {
        for (const QRectF& r : *ocupados) {
            if (r.intersects(lugar)) {
                return;
            }
        }
        ocupados->push_back(lugar);
    }
    x.p.setPen(x.color);
    x.p.drawText(lugar, Qt::AlignCenter, x.f.texto);
}

} // namespace

void pintar_figura(QPainter& p, const Figura& f, QSize tam, int grosor, const QPolygonF* reducida,
                   std::vector<QRectF>* ocupados) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setCompositionMode(f.invertir ? QPainter::RasterOp_SourceXorDestination
                                    : QPainter::CompositionMode_SourceOver);
    const Pintura x{p, f, tam, grosor, QColor::fromRgb(f.color), Mapa(f.escala, tam)};
    switch (f.tipo) {
    case Figura::Tipo::linea:
        pintar_linea(x);
        return;
    case Figura::Tipo::caja:
        pintar_caja(x);
        return;
    case Figura::Tipo::caja_llena:
        pintar_caja_llena(x);
        return;
    case Figura::Tipo::punto:
        pintar_punto(x);
        return;
    case Figura::Tipo::polilinea:
        pintar_polilinea(x, reducida);
        return;
    case Figura::Tipo::bandas:
        pintar_bandas(x);
        return;
    case Figura::Tipo::texto:
        pintar_texto(x, ocupados);
        return;
    }
}
