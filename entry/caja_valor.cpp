#include "entry/caja_valor.h"

#include <QKeyEvent>

void CajaValor::mousePressEvent(QMouseEvent* e) {
    emit raton_abajo();
    QLineEdit::mousePressEvent(e);
}

void CajaValor::keyPressEvent(QKeyEvent* e) {
    // Only keys that type a character count as a key press of the box.
    if (!e->text().isEmpty() && e->text().at(0).isPrint()) {
        emit tecla_presionada();
    }
    QLineEdit::keyPressEvent(e);
}

void CajaValor::keyReleaseEvent(QKeyEvent* e) {
    QLineEdit::keyReleaseEvent(e);
    if (!e->isAutoRepeat()) {
        emit tecla_soltada();
    }
}

void CajaValor::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    emit foco_perdido();
}
