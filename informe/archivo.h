#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Writes `bytes` to `ruta` through a temporary file in the same folder that
// takes the name only once it is whole, so that a failure leaves under the
// name what was there before, or nothing. Nothing on success, else the
// reason in Spanish.
std::optional<QString> escribir_archivo(const QString& ruta, const QByteArray& bytes);

// The message that tells the user: the file, by its whole path, and the reason.
QString mensaje_de_fallo(const QString& ruta, const QString& razon);
