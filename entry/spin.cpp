// The sixteen spin buttons.
#include "main/form1.h"

void Form1::SpinUp_Click(int) {}
void Form1::SpinDown_Click(int) {}
void Form1::SpinUp1_Click() {}
void Form1::SpinDown1_Click() {}
void Form1::SpinUp2_Click() {}
void Form1::SpinDown2_Click() {}
