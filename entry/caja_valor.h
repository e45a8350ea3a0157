#pragma once

#include "entry/reglas_paso.h"

#include <QLineEdit>
#include <QPoint>

#include <optional>

// A value box: a line edit that reports the events the entry rules act on.
// `raton_abajo` comes after the line edit has placed its cursor, so a handler
// can select the whole number; `flecha` is the first press of Up or Down (the
// system's repeats of a held key are swallowed) and `flecha_soltada` its
// release, or the focus going; `foco_perdido` is sent when the focus moves on to
// another control of the same window.
class CajaValor : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void raton_abajo();
    void flecha(Sentido sentido);
    void flecha_soltada();
    void foco_perdido();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void soltar_flecha();

    std::optional<QPoint> pulsada_en_; // a left press, until the pointer strays from it
    int flecha_ = 0;                   // the arrow key held, if any
};
