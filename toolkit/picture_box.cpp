#include "toolkit/picture_box.h"

#include "model/paralelo.h"
#include "toolkit/imagen_archivo.h"
#include "toolkit/picture_box_accesible.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_set>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    instalar_accesibilidad_picture_box();
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::set_escala(const Escala& e) {
    escala_ = e;
}

void PictureBox::scale(double x1, double y1, double x2, double y2) {
    escala_ = Escala{x1, y1, x2 - x1, y2 - y1};
}

void PictureBox::set_persistente(bool p) {
    persistente_ = p;
}

void PictureBox::set_fondo(const QColor& c) {
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

void PictureBox::linea(QPointF a, QPointF b, const QColor& c) {
    agregar(
        {Figura::Tipo::linea, modo_ == Modo::invertir, c.rgb(), escala_, a, b, nullptr, nullptr});
}

void PictureBox::caja(QPointF a, QPointF b, const QColor& c) {
    agregar(
        {Figura::Tipo::caja, modo_ == Modo::invertir, c.rgb(), escala_, a, b, nullptr, nullptr});
}

void PictureBox::caja_llena(QPointF a, QPointF b, const QColor& c) {
    agregar({Figura::Tipo::caja_llena, modo_ == Modo::invertir, c.rgb(), escala_, a, b, nullptr,
             nullptr});
}

void PictureBox::punto(QPointF p, const QColor& c) {
    agregar(
        {Figura::Tipo::punto, modo_ == Modo::invertir, c.rgb(), escala_, p, p, nullptr, nullptr});
}

void PictureBox::polilinea(std::shared_ptr<const Trazo> puntos, const QColor& c) {
    if (!puntos || puntos->empty()) {
        return;
    }
    agregar({Figura::Tipo::polilinea,
             modo_ == Modo::invertir,
             c.rgb(),
             escala_,
             {},
             {},
             std::move(puntos),
             nullptr});
}

void PictureBox::texto(QPointF a, const QString& texto, int alineacion, const QColor& c) {
    agregar({Figura::Tipo::texto, modo_ == Modo::invertir, c.rgb(), escala_, a, a, nullptr, nullptr,
             texto, alineacion});
}

void PictureBox::bandas(QPointF a, QPointF b, std::shared_ptr<const std::vector<QRgb>> colores) {
    if (!colores || colores->empty()) {
        return;
    }
    Figura f{Figura::Tipo::bandas, false, 0, escala_, a, b, nullptr, std::move(colores)};
    agregar(std::move(f));
}

void PictureBox::limpiar() {
    capa_.clear();
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

void PictureBox::empezar_capa() {
    capa_.clear();
    en_capa_ = true;
    vista_valida_ = false;
    update();
}

void PictureBox::terminar_capa() {
    en_capa_ = false;
}

bool PictureBox::cargar_imagen(const QString& archivo) {
    const QImage nueva = leer_imagen(archivo);
    if (nueva.isNull()) {
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
    if (en_capa_) {
        capa_.push_back(std::move(f));
        vista_valida_ = false;
        update();
        return;
    }
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
    if (f.tipo == Figura::Tipo::bandas) {
        // Bands over the same place cover the earlier ones: only the last is painted again.
        std::erase_if(figuras_, [&](const Figura& o) {
            return o.tipo == f.tipo && !o.invertir && o.escala == f.escala && o.a == f.a &&
                   o.b == f.b;
        });
    }
    figuras_.push_back(std::move(f));
    if (figuras_.size() > 2 * tras_compactar_ + 1024) {
        compactar();
    }
    update();
}

namespace {

struct Geometria {
    std::size_t operator()(const Figura& f) const {
        std::size_t h = static_cast<std::size_t>(f.tipo);
        for (double v : {f.escala.left, f.escala.top, f.escala.width, f.escala.height, f.a.x(),
                         f.a.y(), f.b.x(), f.b.y()}) {
            h = h * 1000003u ^ std::hash<double>()(v);
        }
        return h;
    }
    bool operator()(const Figura& x, const Figura& y) const {
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

void PictureBox::asegurar_cache() {
    const QSize tam = tamano_pixeles();
    if (cache_valida_ && cache_.size() == tam) {
        if (!pendientes_.empty()) {
            QPainter p(&cache_);
            for (const Figura& f : pendientes_) {
                pintar_figura(p, f, tam, grosor_pixeles());
            }
            pendientes_.clear();
        }
        return;
    }
    cache_ = QImage(tam, QImage::Format_RGB32);
    cache_.fill(fondo_);
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
        pintar_figura(p, f, tam, grosor_pixeles(), curva ? &reducidas[siguiente++] : nullptr);
    }
    pendientes_.clear();
    cache_valida_ = true;
}

QImage PictureBox::imagen() {
    asegurar_cache();
    return cache_;
}

QImage PictureBox::imagen_visible() {
    asegurar_cache();
    if (capa_.empty() && transitorias_.empty()) {
        return cache_;
    }
    if (!capa_.empty() && (!vista_valida_ || clave_vista_ != cache_.cacheKey())) {
        // Kept until the layer or the picture changes, so that the rubber band
        // over a preview does not reduce the preview again at every move.
        if (vista_.size() == cache_.size() && vista_.format() == cache_.format()) {
            // Into the buffer it already has: no allocation, no page faults.
            std::memcpy(vista_.bits(), cache_.constBits(),
                        static_cast<std::size_t>(cache_.sizeInBytes()));
        } else {
            vista_ = cache_.copy();
        }
        QPainter p(&vista_);
        QFont letra = font();
        const qreal dpr = devicePixelRatioF();
        if (letra.pixelSize() > 0) {
            letra.setPixelSize(std::max(1, static_cast<int>(std::lround(letra.pixelSize() * dpr))));
        } else {
            letra.setPointSizeF(letra.pointSizeF() * dpr);
        }
        p.setFont(letra);
        std::vector<QRectF> rotulos; // the layer's labels never cover each other
        for (const Figura& f : capa_) {
            pintar_figura(p, f, vista_.size(), grosor_pixeles(), nullptr, &rotulos);
        }
        vista_valida_ = true;
        clave_vista_ = cache_.cacheKey();
    }
    const QImage& debajo = capa_.empty() ? cache_ : vista_;
    if (transitorias_.empty()) {
        return debajo;
    }
    QImage vista = debajo.copy();
    QPainter p(&vista);
    for (const Figura& f : transitorias_) {
        pintar_figura(p, f, vista.size(), grosor_pixeles());
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
