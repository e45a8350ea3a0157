// "Graficar": the checks of the range and the plot of one curve.
#include "main/form1.h"

void Form1::Command1_Click() {}
void Form1::grafic2() {}
void Form1::Command2_Click() { borrar(); }
void Form1::Command3_Click() { menu_salir_Click(); }
