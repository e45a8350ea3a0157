#pragma once

#include <QFileDevice>
#include <QString>

// What a file operation was doing when it failed: the same system error reads
// differently when reading, when writing an open file and when creating one.
enum class Operacion { leer, escribir, crear };

// Why a file operation failed, in the few Spanish words a message shows after
// the file's name ("disco lleno", "sin permiso de escritura"...): the system's
// error number when it names a known cause, else Qt's kind of error, and the
// system's own text (`texto_sistema`, else the one of `numero`) only when
// neither does.
QString razon(int numero, Operacion op, QFileDevice::FileError error = QFileDevice::NoError,
              const QString& texto_sistema = QString());
