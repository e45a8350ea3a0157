#include "toolkit/picture_box.h"

#include "toolkit/paralelo.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <unordered_set>

QColor a_qcolor(Color c) { return QColor(rojo_de(c), verde_de(c), azul_de(c)); }

bool PictureBox::Figura::operator==(const Figura& o) const {
    return tipo == o.tipo && invertir == o.invertir && color == o.color && escala == o.escala &&
           a == o.a && b == o.b && trazo == o.trazo;
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::set_escala(const Escala& e) { escala_ = e; }

void PictureBox::scale(double x1, double y1, double x2, double y2) {
    escala_ = Escala{x1, y1, x2 - x1, y2 - y1};
}

void PictureBox::set_persistente(bool p) { persistente_ = p; }

void PictureBox::set_fondo(Color c) {
    fondo_ = c;
    cache_valida_ = false;
    update();
}

void PictureBox::set_grosor(double pixeles) {
    if (pixeles != grosor_) {
        grosor_ = pixeles;
        cache_valida_ = false;
        update();
    }
}

void PictureBox::linea(QPointF a, QPointF b, Color c) {
    agregar({Figura::Tipo::linea, modo_ == Modo::invertir, c, escala_, a, b, nullptr});
}

void PictureBox::caja(QPointF a, QPointF b, Color c) {
    agregar({Figura::Tipo::caja, modo_ == Modo::invertir, c, escala_, a, b, nullptr});
}

void PictureBox::caja_llena(QPointF a, QPointF b, Color c) {
    agregar({Figura::Tipo::caja_llena, modo_ == Modo::invertir, c, escala_, a, b, nullptr});
}

void PictureBox::punto(QPointF p, Color c) {
    agregar({Figura::Tipo::punto, modo_ == Modo::invertir, c, escala_, p, p, nullptr});
}

void PictureBox::polilinea(std::shared_ptr<const Trazo> puntos, Color c) {
    if (!puntos || puntos->empty()) {
        return;
    }
    agregar({Figura::Tipo::polilinea, modo_ == Modo::invertir, c, escala_, {}, {},
             std::move(puntos)});
}

void PictureBox::limpiar() {
    figuras_.clear();
    tras_compactar_ = 0;
    pendientes_.clear();
    transitorias_.clear();
    cache_valida_ = false;
    update();
}

void PictureBox::descartar_transitorias() {
    if (!transitorias_.empty()) {
        transitorias_.clear();
        update();
    }
}

bool PictureBox::cargar_imagen(const QString& archivo) {
    QImage nueva;
    if (!nueva.load(archivo)) {
        return false;
    }
    set_imagen(nueva);
    return true;
}

void PictureBox::set_imagen(const QImage& imagen) {
    imagen_fondo_ = imagen;
    cache_valida_ = false;
    update();
}

void PictureBox::repintar_imagen() {
    cache_valida_ = false;
    update();
}

void PictureBox::agregar(Figura f) {
    if (!persistente_) {
        auto igual = std::find(transitorias_.begin(), transitorias_.end(), f);
        if (f.invertir && igual != transitorias_.end()) {
            transitorias_.erase(igual);
        } else {
            transitorias_.push_back(std::move(f));
        }
        update();
        return;
    }
    if (cache_valida_) {
        pendientes_.push_back(f);
    }
    if (f.invertir) {
        // XOR figures commute with each other, so a pair within the trailing run
        // of invert figures cancels wherever it stands in that run.
        for (auto it = figuras_.rbegin(); it != figuras_.rend() && it->invertir; ++it) {
            if (*it == f) {
                figuras_.erase(std::next(it).base());
                update();
                return;
            }
        }
    }
    figuras_.push_back(std::move(f));
    if (figuras_.size() > 2 * tras_compactar_ + 1024) {
        compactar();
    }
    update();
}

namespace {

struct Geometria {
    std::size_t operator()(const PictureBox::Figura& f) const {
        std::size_t h = static_cast<std::size_t>(f.tipo);
        for (double v : {f.escala.left, f.escala.top, f.escala.width, f.escala.height, f.a.x(),
                         f.a.y(), f.b.x(), f.b.y()}) {
            h = h * 1000003u ^ std::hash<double>()(v);
        }
        return h;
    }
    bool operator()(const PictureBox::Figura& x, const PictureBox::Figura& y) const {
        return x.tipo == y.tipo && x.escala == y.escala && x.a == y.a && x.b == y.b;
    }
};

} // namespace

void PictureBox::compactar() {
    // A copied figure covers every pixel of an earlier copied figure of the same
    // shape, so the earlier one can go: rays redrawn at every wavelength step and
    // bands repainted by every plot would otherwise pile up for each resize.
    std::unordered_set<Figura, Geometria, Geometria> posteriores;
    std::vector<bool> tapada(figuras_.size(), false);
    for (std::size_t i = figuras_.size(); i-- > 0;) {
        const Figura& f = figuras_[i];
        if (f.invertir || f.tipo == Figura::Tipo::polilinea) {
            continue;
        }
        tapada[i] = !posteriores.insert(f).second;
    }
    std::size_t j = 0;
    for (std::size_t i = 0; i < figuras_.size(); ++i) {
        if (!tapada[i]) {
            figuras_[j++] = std::move(figuras_[i]);
        }
    }
    figuras_.resize(j);
    tras_compactar_ = j;
}

QSize PictureBox::tamano_pixeles() const {
    const qreal dpr = devicePixelRatioF();
    return QSize(std::max(1, qRound(width() * dpr)), std::max(1, qRound(height() * dpr)));
}

int PictureBox::grosor_pixeles() const {
    return std::max(1, static_cast<int>(std::lround(grosor_ * devicePixelRatioF())));
}

void PictureBox::pintar_imagen(QPainter& p, const QRect& destino) {
    if (imagen_fondo_.isNull()) {
        return;
    }
    const QSize tam = imagen_fondo_.size().scaled(destino.size(), Qt::KeepAspectRatio);
    const QRect r(destino.topLeft() + QPoint((destino.width() - tam.width()) / 2,
                                             (destino.height() - tam.height()) / 2),
                  tam);
    // Small pictures (icons) are enlarged pixel for pixel; large ones smoothly.
    const bool icono = imagen_fondo_.width() <= 64 && tam.width() >= imagen_fondo_.width();
    p.setRenderHint(QPainter::SmoothPixmapTransform, !icono);
    p.drawImage(r, imagen_fondo_);
}

namespace {

struct Mapa {
    double sx, sy, ox, oy;
    Mapa(const Escala& e, QSize tam)
        : sx(tam.width() / e.width), sy(tam.height() / e.height), ox(e.left), oy(e.top) {}
    double x(double u) const { return (u - ox) * sx; }
    double y(double u) const { return (u - oy) * sy; }
};

// Pixel index of a device coordinate, kept inside a range QPainter can handle.
int celda(double v) {
    if (!(v > -1e6)) {
        return -1000000;
    }
    return v < 1e6 ? static_cast<int>(std::floor(v)) : 1000000;
}

// Aliased painting lights the pixel to the right of and below a whole coordinate,
// so whole pixel indices address pixels exactly.
QPointF centro(int x, int y) { return QPointF(x, y); }

// A curve reduced to the first, lowest, highest and last point of each run of
// samples that falls in one pixel column: the same pixels as every segment
// drawn, at a cost bounded by the width in pixels.
QPolygonF reducir(const Trazo& t, const Mapa& m) {
    QPolygonF salida;
    salida.reserve(static_cast<int>(std::min<std::size_t>(t.size(), 4 * 8192)));
    const std::size_t n = t.size();
    std::size_t i = 0;
    while (i < n) {
        const int col = celda(m.x(t[i].x));
        // The run goes on while the samples stay between the column's edges,
        // taken back to user coordinates: a comparison per sample, no rounding.
        const double borde_a = m.ox + col / m.sx, borde_b = m.ox + (col + 1) / m.sx;
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

} // namespace

void PictureBox::asegurar_cache() {
    const QSize tam = tamano_pixeles();
    if (cache_valida_ && cache_.size() == tam) {
        if (!pendientes_.empty()) {
            QPainter p(&cache_);
            for (const Figura& f : pendientes_) {
                pintar(p, f, tam);
            }
            pendientes_.clear();
        }
        return;
    }
    cache_ = QImage(tam, QImage::Format_RGB32);
    cache_.fill(a_qcolor(fondo_));
    QPainter p(&cache_);
    pintar_imagen(p, QRect(QPoint(0, 0), tam));
    // Curves are reduced to the pixel grid on every core before they are painted.
    std::vector<const Figura*> curvas;
    for (const Figura& f : figuras_) {
        if (f.tipo == Figura::Tipo::polilinea) {
            curvas.push_back(&f);
        }
    }
    std::vector<QPolygonF> reducidas(curvas.size());
    std::size_t puntos = 0;
    for (const Figura* f : curvas) {
        puntos += f->trazo->size();
    }
    // Threads only pay for curves of many points; small ones are reduced at once.
    en_paralelo(
        curvas.size(),
        [&](std::size_t desde, std::size_t hasta) {
            for (std::size_t i = desde; i < hasta; ++i) {
                reducidas[i] = reducir(*curvas[i]->trazo, Mapa(curvas[i]->escala, tam));
            }
        },
        puntos < 200000 ? curvas.size() + 1 : 1);
    std::size_t siguiente = 0;
    for (const Figura& f : figuras_) {
        const bool curva = f.tipo == Figura::Tipo::polilinea;
        pintar(p, f, tam, curva ? &reducidas[siguiente++] : nullptr);
    }
    pendientes_.clear();
    cache_valida_ = true;
}


namespace {

// A w-pixel stroke as w x w one-pixel strokes side by side: one-pixel aliased
// lines are drawn directly, while wide pens go through the path stroker, many
// times slower for a curve of thousands of points.
template <typename Trazar>
void con_grosor(QPainter& p, const QColor& color, int w, Trazar trazar) {
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

void PictureBox::pintar(QPainter& p, const Figura& f, QSize tam,
                        const QPolygonF* reducida) const {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setCompositionMode(f.invertir ? QPainter::RasterOp_SourceXorDestination
                                    : QPainter::CompositionMode_SourceOver);
    const QColor color = a_qcolor(f.color);
    const int w = grosor_pixeles();
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

QImage PictureBox::imagen() {
    asegurar_cache();
    return cache_;
}

QImage PictureBox::imagen_visible() {
    asegurar_cache();
    if (transitorias_.empty()) {
        return cache_;
    }
    QImage vista = cache_.copy();
    QPainter p(&vista);
    for (const Figura& f : transitorias_) {
        pintar(p, f, vista.size());
    }
    return vista;
}

void PictureBox::paintEvent(QPaintEvent* e) {
    const QImage vista = imagen_visible();
    QPainter p(this);
    const qreal dpr = devicePixelRatioF();
    const QRect r = e->rect();
    if (dpr == 1) {
        p.drawImage(r.topLeft(), vista, r); // unscaled: a plain copy
        return;
    }
    const QRectF fuente(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr);
    p.drawImage(QRectF(r), vista, fuente);
}

void PictureBox::resizeEvent(QResizeEvent* e) {
    cache_valida_ = false;
    QWidget::resizeEvent(e);
}

QPointF PictureBox::a_pixel(QPointF u) const {
    return QPointF((u.x() - escala_.left) / escala_.width * width(),
                   (u.y() - escala_.top) / escala_.height * height());
}

QPointF PictureBox::a_usuario(QPointF px) const {
    return QPointF(escala_.left + px.x() / std::max(1, width()) * escala_.width,
                   escala_.top + px.y() / std::max(1, height()) * escala_.height);
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
    presionado_ = true;
    const QPointF u = a_usuario(e->position());
    emit presionado(u.x(), u.y(), e->button());
}

void PictureBox::mouseMoveEvent(QMouseEvent* e) {
    const QPointF u = a_usuario(e->position());
    emit movido(u.x(), u.y(), e->buttons());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
    const QPointF u = a_usuario(e->position());
    const bool dentro = rect().contains(e->position().toPoint());
    const bool fue_presionado = presionado_;
    presionado_ = false;
    emit soltado(u.x(), u.y(), e->button());
    if (fue_presionado && dentro && e->button() == Qt::LeftButton) {
        emit pulsado();
    }
}
