// The bands of the enlarged sector, the band modes and clearing.
#include "main/form1.h"

void Form1::pintar_bandas(const std::array<double, 1001>&) {}
void Form1::colorear_cuadros() {}
void Form1::borrar() {}
void Form1::Option1_Click(int) {}
