#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <optional>

// Writes `bytes` to `ruta` through a temporary file in the same folder that
// takes the name only once it is whole, so that a failure leaves under the
// name what was there before, or nothing. Nothing on success, else the
// reason in Spanish.
std::optional<QString> escribir_archivo(const QString& ruta, const QByteArray& bytes);

// The reason for a failed write, from the system's error number where it says
// one, else from Qt's kind of error.
QString razon_de_fallo(QFileDevice::FileError error, int numero);

// The message that tells the user: the file, by its whole path, and the reason.
QString mensaje_de_fallo(const QString& ruta, const QString& razon);
