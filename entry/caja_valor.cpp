#include "entry/caja_valor.h"

#include <QApplication>
#include <QKeyEvent>

void CajaValor::mousePressEvent(QMouseEvent* e) {
    emit raton_abajo();
    QLineEdit::mousePressEvent(e);
}

void CajaValor::keyPressEvent(QKeyEvent* e) {
    // Every key that gives a character counts, Backspace, Enter and Ctrl+V among
    // them (so Backspace empties a selected box and a paste replaces it); Tab,
    // Delete, the arrows and the like do not.
    const QString t = e->text();
    if (!t.isEmpty() && t != QStringLiteral("\t") && t.at(0) != QChar(0x7F)) {
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
