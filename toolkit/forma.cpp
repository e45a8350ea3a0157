#include "toolkit/forma.h"

#include "toolkit/picture_box.h"

#include <QPainter>

Forma::Forma(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Forma::set_relleno(Color c) {
    relleno_ = c;
    relleno_activo_ = true;
    update();
}

void Forma::set_sin_relleno() {
    relleno_activo_ = false;
    update();
}

void Forma::set_borde(Color c) {
    borde_ = c;
    borde_activo_ = true;
    update();
}

void Forma::set_sin_borde() {
    borde_activo_ = false;
    update();
}

void Forma::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (relleno_activo_) {
        p.fillRect(rect(), a_qcolor(relleno_));
    }
    if (borde_activo_) {
        p.setPen(QPen(a_qcolor(borde_), 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
