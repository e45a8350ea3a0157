#pragma once

#include "model/color.h"

#include <QWidget>

// A rectangle shape: an optional solid fill and an optional border. It never
// takes the mouse, so the picture box under it still sees the pointer.
class Forma : public QWidget {
    Q_OBJECT
public:
    explicit Forma(QWidget* parent = nullptr);

    void set_relleno(Color c);
    void set_sin_relleno();
    bool tiene_relleno() const { return relleno_activo_; }
    Color relleno() const { return relleno_; }
    void set_borde(Color c);
    void set_sin_borde();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Color relleno_ = 0xFFFFFF;
    bool relleno_activo_ = false;
    Color borde_ = 0;
    bool borde_activo_ = true;
};
