#pragma once

// medicion/: a measured pattern held against the model. tabla: the columns of
// a sensor's text file and the profile they give; foto: the profile along a
// line of a photo; medida: a measurement as a lesson keeps it; dialogo_columnas,
// dialogo_foto: how the user says what the file holds; medicion: the menu
// entry, the grey points on the graph and the fit's window.

#include "model/ajuste.h"

#include <QString>
#include <QStringList>

#include <vector>

// The numbers of a text table: a sensor's CSV or TSV export, its columns split
// at tabs, semicolons or commas (whichever the first row of numbers holds),
// with "," as the decimal mark when the columns are not split at commas. Lines
// of text before the numbers are a header, which names the columns when it
// has as many fields; blank lines and lines beginning with "#" are skipped.
struct Tabla {
    QStringList nombres; // one to a column: the header's, or "Columna 1"...
    std::vector<std::vector<double>> columnas;
    // Empty when read; else why not, as a message says it after the file's
    // name: "no tiene números", "tiene una sola columna"...
    QString error;
};
Tabla leer_tabla(const QString& texto);

// What the column across holds.
enum class Eje { posicion, angulo, seno };

// The profile of columns `x` and `y` of the table: positions on the screen in
// millimetres (the screen `distancia_mm` from the grating, the central maximum
// near position 0), deviation angles in degrees, or sines. Empty with a reason
// in `error` when the columns cannot be one: a position or angle beyond the
// screen, every intensity zero, a negative or missing distance.
Perfil perfil_de_tabla(const Tabla& t, int x, int y, Eje eje, double distancia_mm, QString* error);
