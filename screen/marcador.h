#pragma once

#include "toolkit/forma.h"

#include <QPointer>
#include <QPushButton>

// A marker of one end of the screen sector on the screen strip. Its top is
// kept in the strip's coordinates in single precision, as the drops compare it.
//
// The marker is dragged with the mouse: once the pointer has moved past the
// drag distance an outline of the marker follows it, and the release reports
// where it happened, in the coordinates of the marker's parent (the strip), as
// does each move of the drag. A press and release without a drag is a plain
// click and reports nothing.
class Marcador : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    ~Marcador() override;

    float top() const { return top_; }
    void set_top(float top) { top_ = top; }

    bool arrastrando() const { return arrastre_; }
    // The outline shown while dragging (null before the first drag).
    const Forma* contorno() const { return contorno_; }

signals:
    void arrastrado(QPointF en_padre);
    void dejado(QPointF en_padre);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void mover_contorno(QPointF en_marcador);

    float top_ = 0;
    QPoint inicio_;
    bool presionado_ = false;
    bool arrastre_ = false;
    QPointer<Forma> contorno_;
};
