#pragma once

#include <QLineEdit>

// A value box: a line edit that reports the events the entry rules act on.
// `tecla_presionada` comes before the key is inserted, so a handler can empty
// the box and let the key become its first character; `foco_perdido` is sent
// when the focus moves on to another control of the same window.
class CajaValor : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void raton_abajo();
    void tecla_presionada();
    void tecla_soltada();
    void foco_perdido();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};
