#pragma once

#include "model/color.h"

#include <QColor>

class QWidget;

// The program's colours as Qt takes them, and the ones its windows share.
QColor a_qcolor(Color c);

// The main window's own background, behind the sketch and the pictures.
inline constexpr Color fondo_ventana = 0xF0F0F0;
// The grey of the press marks of the spin buttons and the magnifier, RGB(100, 100, 100).
inline constexpr Color gris_marca = 0x646464;

// `w` filled with colour `c` behind what it shows.
void pintar_fondo(QWidget* w, Color c);
