#pragma once

#include "toolkit/picture_box.h"

// A spin button: a small picture box showing an arrow picture (designed 17 x 13
// pixels, drawn at the size it is shown at). Its coordinates are its designed
// pixels, so the press mark is the filled box (0, 0)-(16, 13) in invert mode.
// A click takes the focus, so the value box being typed in is left (and its
// number checked and stored) before the step.
class BotonSpin : public PictureBox {
    Q_OBJECT
public:
    BotonSpin(bool arriba, QWidget* parent = nullptr);
    bool arriba() const { return arriba_; }

protected:
    void pintar_imagen(QPainter& p, const QRect& destino) override;
    void changeEvent(QEvent* e) override;

private:
    bool arriba_;
};
