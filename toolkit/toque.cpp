#include "toolkit/toque.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace {

// Controls whose presses are their own: a press on them is never taken away.
bool toma_sus_clics(const QWidget* w) {
    for (; w != nullptr; w = w->parentWidget()) {
        if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
            qobject_cast<const QAbstractSlider*>(w) ||
            qobject_cast<const QAbstractScrollArea*>(w) || w->focusPolicy() != Qt::NoFocus) {
            return true;
        }
        if (w->isWindow()) {
            break;
        }
    }
    return false;
}

} // namespace

AreaDeToque::AreaDeToque(QObject* padre, int lado) : QObject(padre), lado_(lado) {
}

void AreaDeToque::agregar(QWidget* w) {
    controles_.append(w);
}

void AreaDeToque::set_activa(bool si) {
    if (si == activa_) {
        return;
    }
    activa_ = si;
    tomado_ = nullptr;
    if (si) {
        qApp->installEventFilter(this);
    } else {
        qApp->removeEventFilter(this);
    }
}

QRect AreaDeToque::zona(const QWidget* w) const {
    QRect r(w->mapToGlobal(QPoint(0, 0)), w->size());
    if (activa_) {
        const int dx = std::max(0, lado_ - r.width()), dy = std::max(0, lado_ - r.height());
        r.adjust(-dx / 2, -dy / 2, dx - dx / 2, dy - dy / 2);
    }
    return r;
}

QWidget* AreaDeToque::destino_para(const QWidget* receptor, QPoint global) const {
    QWidget* mejor = nullptr;
    qint64 distancia = std::numeric_limits<qint64>::max();
    for (const QPointer<QWidget>& c : controles_) {
        if (!c || !c->isVisible() || !c->isEnabled() || c->window() != receptor->window() ||
            !zona(c).contains(global)) {
            continue;
        }
        const QPoint d = QRect(c->mapToGlobal(QPoint(0, 0)), c->size()).center() - global;
        const qint64 d2 = qint64(d.x()) * d.x() + qint64(d.y()) * d.y();
        if (d2 < distancia) {
            distancia = d2;
            mejor = c;
        }
    }
    return mejor;
}

void AreaDeToque::reenviar(QMouseEvent* e, QPoint local) {
    QMouseEvent copia(e->type(), QPointF(local), QPointF(tomado_->mapToGlobal(local)), e->button(),
                      e->buttons(), e->modifiers(), e->pointingDevice());
    // An event the control ignores climbs to its parents: not given away again.
    reenviando_ = true;
    QCoreApplication::sendEvent(tomado_, &copia);
    reenviando_ = false;
}

bool AreaDeToque::eventFilter(QObject* o, QEvent* e) {
    const QEvent::Type t = e->type();
    if (t != QEvent::MouseButtonPress && t != QEvent::MouseButtonDblClick &&
        t != QEvent::MouseMove && t != QEvent::MouseButtonRelease) {
        return false;
    }
    auto* receptor = qobject_cast<QWidget*>(o);
    if (receptor == nullptr || reenviando_) {
        return false;
    }
    auto* m = static_cast<QMouseEvent*>(e);
    const QPoint global = m->globalPosition().toPoint();
    if (tomado_ && receptor != tomado_) {
        // The rest of a press that was given away: where the pointer is, less
        // the step from it to where the press went in.
        reenviar(m, tomado_->mapFromGlobal(global) + desvio_);
        if (t == QEvent::MouseButtonRelease) {
            tomado_ = nullptr;
        }
        return true;
    }
    if ((t != QEvent::MouseButtonPress && t != QEvent::MouseButtonDblClick) ||
        controles_.contains(receptor) || toma_sus_clics(receptor)) {
        return false;
    }
    QWidget* destino = destino_para(receptor, global);
    if (destino == nullptr) {
        return false;
    }
    tomado_ = destino;
    const QPoint local = destino->mapFromGlobal(global);
    const QPoint dentro(std::clamp(local.x(), 0, destino->width() - 1),
                        std::clamp(local.y(), 0, destino->height() - 1));
    desvio_ = dentro - local;
    reenviar(m, dentro);
    return true;
}
