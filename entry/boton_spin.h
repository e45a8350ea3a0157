#pragma once

#include "toolkit/picture_box.h"

// A spin button: a small picture box showing an arrow picture (designed 17 x 13
// pixels, drawn at the size it is shown at). Its coordinates are its designed
// pixels, so the press mark is the filled box (0, 0)-(16, 13) in invert mode.
// It steps on the press, as toolkit spin boxes do (`pulsado`; a screen reader's
// press action sends it too), and reports the hold (`sostenido`) and its end
// (`liberado`), so that a held button repeats. A press takes the focus first,
// so the value box being typed in is left (and its number checked and stored)
// before the step.
class BotonSpin : public PictureBox {
    Q_OBJECT
public:
    BotonSpin(bool arriba, QWidget* parent = nullptr);
    bool arriba() const { return arriba_; }

signals:
    void sostenido();
    void liberado();

protected:
    void pintar_imagen(QPainter& p, const QRect& destino) override;
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool arriba_;
};
