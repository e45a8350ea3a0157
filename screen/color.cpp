#include "main/form1.h"

#include "screen/color_onda.h"

void Form1::obtener_rgb() {
    const ComponentesColor c = color_de_onda(g.valor[6]);
    color_r = c.r;
    color_g = c.g;
    color_b = c.b;
}
