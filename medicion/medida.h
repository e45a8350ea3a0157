#pragma once

#include "model/ajuste.h"

#include <QJsonObject>
#include <QString>

#include <optional>

// A measurement as a lesson keeps it: the file it came from, its profile and
// what the user left to the fit. As JSON:
//   "origen":       the file's name (text)
//   "senos":        the sines, −1 < s < 1 (array of numbers)
//   "intensidades": the intensities, one to a sine (array of numbers)
//   "libre":        "d" or "L", the length the fit looks for
//   "ancho_libre":  whether the fit looks for a too (true or false)
struct DatosMedicion {
    QString origen;
    Perfil perfil;
    Libre libre = Libre::onda;
    bool ancho_libre = true;
};
QJsonObject a_json(const DatosMedicion& m);
// Nothing, with the reason in `error`, when the object is not one.
std::optional<DatosMedicion> de_json(const QJsonObject& o, QString* error);

// "L = 0,633 ± 0,004 µm": the uncertainty to one significant figure (two when
// that one is a 1) but never past the unit nor the sixth decimal, the value to
// the same decimal, in the locale's decimal mark.
QString texto_con_error(const QString& nombre, double valor, double error, const QString& unidad);

// What the window says of a fit that gave no number.
QString motivo(EstadoAjuste e);
