// The "Ayuda" menu.
#include "main/form1.h"

void Form1::menu_general_Click() {}
void Form1::menu_unidades_Click() {}
void Form1::menu_acerca_Click() {}
