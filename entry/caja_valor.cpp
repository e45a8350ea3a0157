#include "entry/caja_valor.h"

#include <QApplication>
#include <QKeyEvent>

void CajaValor::mousePressEvent(QMouseEvent* e) {
    // The focus was offered on this press; if it is not here, the box being left
    // refused its number and took the focus back: the click goes no further.
    if (window()->isActiveWindow() && !hasFocus()) {
        e->accept();
        return;
    }
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
    // Only a move to another control of this window leaves the box: a menu, a
    // popup or another window takes the focus for a while and gives it back, and
    // a cleared focus (the window closing) goes nowhere.
    const QWidget* destino = QApplication::focusWidget();
    const Qt::FocusReason r = e->reason();
    const bool de_paso = r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason ||
                         r == Qt::MenuBarFocusReason;
    if (!de_paso && destino != nullptr && destino != this && destino->window() == window()) {
        emit foco_perdido();
    }
}
