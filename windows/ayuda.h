#pragma once

#include <QString>

// The texts of the "Ayuda" menu, each line followed by CR LF unless the text
// says otherwise.
QString texto_general();  // the display and what is plotted
QString texto_unidades(); // the units
QString texto_acerca();   // about the program
