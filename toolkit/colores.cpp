#include "toolkit/colores.h"

#include <QPalette>
#include <QWidget>

QColor a_qcolor(Color c) {
    return QColor(rojo_de(c), verde_de(c), azul_de(c));
}

void pintar_fondo(QWidget* w, Color c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, a_qcolor(c));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}
