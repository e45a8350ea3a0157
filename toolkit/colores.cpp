#include "toolkit/colores.h"

#include <QPalette>
#include <QWidget>

void pintar_fondo(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}
