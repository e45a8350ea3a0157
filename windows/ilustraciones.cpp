// The "Ver" menu: the overlay pictures and the model window.
#include "main/form1.h"

void Form1::menu_paleta_Click() {}
void Form1::menu_imagen1_Click() {}
void Form1::menu_imagen2_Click() {}
void Form1::menu_modelo_Click() {}
void Form1::paleta() {}
void Form1::foto_numero(int) {}
void Form1::Picture5_Click() {}
