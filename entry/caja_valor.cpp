#include "entry/caja_valor.h"

#include <QApplication>
#include <QKeyEvent>

void CajaValor::mousePressEvent(QMouseEvent* e) {
    QLineEdit::mousePressEvent(e);
    // The middle button pastes at the pointer, as X11 does; it selects nothing.
    if (e->button() == Qt::LeftButton || e->button() == Qt::RightButton) {
        if (e->button() == Qt::LeftButton) {
            pulsada_en_ = e->position().toPoint();
        }
        emit raton_abajo();
    }
}

void CajaValor::mouseMoveEvent(QMouseEvent* e) {
    if (pulsada_en_ && (e->buttons() & Qt::LeftButton)) {
        // A hand's tremor during a click keeps the whole number selected; a real
        // drag selects from where it began, as in any line edit.
        if ((e->position().toPoint() - *pulsada_en_).manhattanLength() <
            QApplication::startDragDistance()) {
            return;
        }
        setCursorPosition(cursorPositionAt(*pulsada_en_));
        pulsada_en_.reset();
    }
    QLineEdit::mouseMoveEvent(e);
}

void CajaValor::mouseReleaseEvent(QMouseEvent* e) {
    pulsada_en_.reset();
    QLineEdit::mouseReleaseEvent(e);
}

void CajaValor::keyPressEvent(QKeyEvent* e) {
    const int k = e->key();
    const bool sin_modificar = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if ((k == Qt::Key_Up || k == Qt::Key_Down) && sin_modificar) {
        // The entry repeats a held arrow at its own pace.
        if (!e->isAutoRepeat()) {
            soltar_flecha();
            flecha_ = k;
            emit flecha(k == Qt::Key_Up ? Sentido::arriba : Sentido::abajo);
        }
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
    if (k == Qt::Key_Return || k == Qt::Key_Enter) {
        e->accept(); // taken by the box (returnPressed), not by the window around it
    }
}

void CajaValor::keyReleaseEvent(QKeyEvent* e) {
    if (e->key() == flecha_ && !e->isAutoRepeat()) {
        soltar_flecha();
    }
    QLineEdit::keyReleaseEvent(e);
}

void CajaValor::soltar_flecha() {
    if (flecha_ != 0) {
        flecha_ = 0;
        emit flecha_soltada();
    }
}

void CajaValor::focusOutEvent(QFocusEvent* e) {
    soltar_flecha(); // its release will go elsewhere
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
