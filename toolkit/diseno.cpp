#include "toolkit/diseno.h"

#include <QEvent>
#include <QLabel>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {
constexpr double twips_por_pixel = 15;
}

Diseno::Diseno(QWidget* raiz, double ancho, double alto)
    : QObject(raiz), raiz_(raiz), ancho_(ancho), alto_(alto) {
    raiz_->installEventFilter(this);
}

void Diseno::colocar(QWidget* w, QRectF twips, double puntos, bool negrita) {
    if (!lugares_.contains(w)) {
        orden_.append(w);
    }
    const Anclaje anclaje = lugares_.value(w).anclaje;
    lugares_.insert(w, Lugar{w, twips, puntos, negrita, anclaje});
    ubicar(lugares_.value(w));
}

void Diseno::mover(QWidget* w, QRectF twips) {
    auto it = lugares_.find(w);
    if (it == lugares_.end()) {
        colocar(w, twips, 0);
        return;
    }
    it->twips = twips;
    ubicar(*it);
}

QRectF Diseno::twips(const QWidget* w) const {
    return efectivo(lugares_.value(w));
}

QRectF Diseno::efectivo(const Lugar& l) const {
    const Anclaje& a = l.anclaje;
    const double dx = sobrante_.width(), dy = sobrante_.height();
    return QRectF(l.twips.left() + a.mover_x * dx, l.twips.top() + a.mover_y * dy,
                  l.twips.width() + a.crecer_x * dx, l.twips.height() + a.crecer_y * dy);
}

void Diseno::reservar_parte(double ancho_twips, double parte) {
    cede_ancho_ = ancho_twips;
    parte_cedida_ = parte;
}

void Diseno::anclar(QWidget* w, Anclaje a) {
    extensible_ = true;
    auto it = lugares_.find(w);
    if (it == lugares_.end()) {
        return;
    }
    it->anclaje = a;
}

int Diseno::a_pixeles(double twips) const {
    return static_cast<int>(std::lround(twips / twips_por_pixel * factor_));
}

void Diseno::ubicar(const Lugar& l) {
    if (!l.w) {
        return;
    }
    const bool arriba = l.w->parentWidget() == raiz_;
    const double dx = arriba ? margen_x_ : 0;
    const QRectF t = efectivo(l);
    const int x0 = a_pixeles(t.left()), x1 = a_pixeles(t.right());
    const int y0 = a_pixeles(t.top()), y1 = a_pixeles(t.bottom());
    l.w->setGeometry(static_cast<int>(dx) + x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0));
    if (l.puntos > 0) {
        QFont f = l.w->font();
        f.setPixelSize(
            std::max(6, static_cast<int>(std::lround(l.puntos * 96.0 / 72.0 * factor_))));
        f.setBold(l.negrita);
        l.w->setFont(f);
    }
}

double Diseno::factor_para(QSizeF area) const {
    const double fx = area.width() * twips_por_pixel / ancho_;
    const double fy = area.height() * twips_por_pixel / alto_;
    double f = std::min(fx, fy);
    if (cede_ancho_ > 0 && parte_cedida_ > 0 && fx >= 1.2 * fy) {
        // On a screen wider than the design, held so that the control taking
        // the room across keeps its share of the width: c·f + (W − D·f) ≥ p·W,
        // widths in pixels at factor 1.
        const double fijo = (ancho_ - cede_ancho_) / twips_por_pixel;
        f = std::min(f, (1 - parte_cedida_) * area.width() / fijo);
    }
    return std::max(0.2, f);
}

void Diseno::aplicar() {
    factor_ = factor_para(raiz_->size());
    const double sobra_x = std::max(0.0, raiz_->width() - ancho_ / twips_por_pixel * factor_);
    const double sobra_y = std::max(0.0, raiz_->height() - alto_ / twips_por_pixel * factor_);
    margen_x_ = extensible_ ? 0 : sobra_x / 2;
    sobrante_ = extensible_ ? QSizeF(sobra_x, sobra_y) * twips_por_pixel / factor_ : QSizeF();
    for (const QWidget* w : std::as_const(orden_)) {
        ubicar(lugares_.value(w));
    }
    emit escalado(factor_);
}

bool Diseno::eventFilter(QObject* o, QEvent* e) {
    if (o == raiz_ && e->type() == QEvent::Resize) {
        aplicar();
    }
    return QObject::eventFilter(o, e);
}

double factor_de_ventana(const QWidget* ventana) {
    if (ventana == nullptr) {
        return 1;
    }
    const QWidget* marco = ventana->window();
    for (const Diseno* d : marco->findChildren<Diseno*>()) {
        const auto* raiz = qobject_cast<const QWidget*>(d->parent());
        if (raiz == nullptr || raiz->window() != marco) {
            continue; // the layout of a window of its own (the zoom)
        }
        if (marco->isVisible() || marco->screen() == nullptr) {
            return d->factor();
        }
        return d->factor_para(marco->screen()->availableGeometry().size());
    }
    return 1;
}

QLabel* rotulo(Diseno& d, QWidget* padre, const QString& texto, QRectF lugar,
               Qt::Alignment alineacion) {
    auto* l = new QLabel(texto, padre);
    l->setWordWrap(true);
    l->setAlignment(alineacion);
    d.colocar(l, lugar);
    return l;
}
