#pragma once

#include <QPushButton>

// A sector marker on the screen strip (`sup` or `inf`). Its top is kept in the
// strip's coordinates in single precision, as the limit tests compare it.
class Marcador : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    float top = 0;
};
