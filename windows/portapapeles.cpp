// The "Copiar al Portapapeles" menu.
#include "main/form1.h"

void Form1::menu_copiar_patron_Click() {}
void Form1::menu_copiar_grafica_Click() {}
void Form1::menu_copiar_datos_Click() {}
