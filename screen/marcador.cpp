#include "screen/marcador.h"

#include "toolkit/colores.h"
#include "toolkit/forma.h"

#include <QApplication>
#include <QMouseEvent>

Marcador::~Marcador() {
    delete contorno_.data();
}

void Marcador::mousePressEvent(QMouseEvent* e) {
    QPushButton::mousePressEvent(e);
    if (e->button() == Qt::LeftButton) {
        presionado_ = true;
        arrastre_ = false;
        inicio_ = e->position().toPoint();
    }
}

void Marcador::mouseMoveEvent(QMouseEvent* e) {
    QPushButton::mouseMoveEvent(e);
    if (!presionado_) {
        return;
    }
    if (!arrastre_ && (e->position().toPoint() - inicio_).manhattanLength() >=
                          QApplication::startDragDistance()) {
        arrastre_ = true;
        if (!contorno_) {
            // On the window itself, so the outline can leave the strip.
            contorno_ = new Forma(window());
            contorno_->set_sin_relleno();
            contorno_->set_borde(negro);
        }
        contorno_->resize(size());
        contorno_->raise();
        contorno_->show();
    }
    if (arrastre_) {
        mover_contorno(e->position());
        emit arrastrado(e->position() + QPointF(pos()));
    }
}

void Marcador::mouseReleaseEvent(QMouseEvent* e) {
    QPushButton::mouseReleaseEvent(e);
    if (e->button() != Qt::LeftButton || !presionado_) {
        return;
    }
    presionado_ = false;
    if (!arrastre_) {
        return;
    }
    arrastre_ = false;
    if (contorno_) {
        contorno_->hide();
    }
    const QPointF punto = e->position() + QPointF(pos());
    emit dejado(punto);
}

void Marcador::mover_contorno(QPointF en_marcador) {
    // The outline keeps the offset at which the marker was grabbed.
    const QPoint esquina = (en_marcador - QPointF(inicio_)).toPoint();
    contorno_->move(mapTo(window(), esquina));
}
