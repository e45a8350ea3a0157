#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// The documentation files ("*.log") of a folder, in name order, with their count
// and their total size in bytes.
struct ArchivosSesion {
    QStringList nombres;
    std::int64_t num = 0;
    std::int64_t bytes = 0;
};
ArchivosSesion listar_archivos_sesion(const QString& carpeta);

// The documentation switch as "trazo.txt" holds it: the first field of the first
// line, blanks ignored, rounded to a whole number. Anything that is not a number
// from 0 to 255 reads as 0 (off).
std::uint8_t leer_traza(const QString& contenido);
