// The two connector lines between the screen strip and the enlarged sector.
#include "main/form1.h"

#include "toolkit/picture_box.h"

double Form1::lininf(double Y) {
    return 1.155 * Y - 0.62;
}
double Form1::linsup(double Y) {
    return 1.155 * Y - 0.62;
}

void Form1::lineas(Color c) {
    superficie->set_modo(PictureBox::Modo::invertir);
    if (lineas_dibujadas == 1) {
        superficie->linea({3.29, linsup(sup_anterior.a_double())}, {4.05, 1.69}, c);
        superficie->linea({3.29, lininf(inf_anterior.a_double())}, {4.05, -2.98}, c);
    }
    superficie->linea({3.29, linsup(g.valor[2].a_double())}, {4.05, 1.69}, c);
    superficie->linea({3.29, lininf(g.valor[1].a_double())}, {4.05, -2.98}, c);
    sup_anterior = g.valor[2];
    inf_anterior = g.valor[1];
    lineas_dibujadas = 1;
    superficie->set_modo(PictureBox::Modo::copiar);
}
