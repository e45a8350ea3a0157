#pragma once

#include "model/color.h"

#include <QColor>

class QWidget;

// The program's colours as Qt takes them.
constexpr QColor a_qcolor(Color c) {
    return QColor(c.rojo(), c.verde(), c.azul());
}

// The colours the windows share, by where they show.
// The main window's own background, behind the sketch and the pictures.
inline constexpr QColor fondo_ventana(240, 240, 240);
// The drawing surfaces: the graph, the screen strip, the enlarged sector, the zoom drawing.
inline constexpr QColor fondo_dibujo(224, 224, 224);
// The press marks of the spin buttons and the magnifier.
inline constexpr QColor gris_marca(100, 100, 100);
// The faces of the spin buttons and of the zoom's magnifiers.
inline constexpr QColor gris_boton(192, 192, 192);
// The grating on the sketch, and the screen outside the sector under study.
inline constexpr QColor gris_red(64, 64, 64);
inline constexpr QColor gris_mascara(128, 128, 128);
// Where no curve is: its colour squares, the columns of the bands beyond the last.
inline constexpr QColor blanco(255, 255, 255);
inline constexpr QColor negro(0, 0, 0);
// The rubber band, the keyboard's frame and the outline of the zoomed range.
inline constexpr QColor azul_seleccion(0, 0, 255);
// The "Seleccione " prompt of the magnifier.
inline constexpr QColor amarillo_aviso(255, 255, 192);
// A value box while its whole number is selected.
inline constexpr QColor fondo_caja_seleccionada(0, 0, 130);
inline constexpr QColor texto_caja_seleccionada(200, 200, 200);

// `w` filled with colour `c` behind what it shows.
void pintar_fondo(QWidget* w, const QColor& c);
