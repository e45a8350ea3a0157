#pragma once

#include "model/parametros.h"

#include <QString>

// The built-in start-up values and limits, used when "inic.dat" cannot be; the
// same as the shipped file.
Parametros parametros_de_fabrica();

// Reads the text of "inic.dat": six records of three numbers (value, lowest,
// highest) for the six quantities in order, separated by commas or line
// breaks (CR, LF or CR LF), "." as the decimal mark, nothing after them. On
// success `error` is empty; otherwise it says in Spanish what is wrong, and
// `parametros` holds the built-in values.
struct LecturaInicio {
    Parametros parametros;
    QString error;
};
LecturaInicio leer_inic(const QString& texto);

// "inic.dat" of the working folder, or the built-in values after telling the
// user, by the file's name, why they are used.
Parametros parametros_de_inicio();
