// The six value boxes.
#include "main/form1.h"

#include "model/color.h"

void Form1::ValorT_MouseDown(int) {}
void Form1::ValorT_KeyPress(int) {}
void Form1::ValorT_KeyUp(int) {}
void Form1::ValorT_LostFocus(int) {}

void Form1::ValorT_Change(int Index) {
    if (Index == 6) {
        obtener_rgb();
        rayos(RGB(color_r, color_g, color_b.a_double()));
    }
}
