#pragma once

#include <QByteArray>
#include <QString>

// Every file the program reads goes through here: opened only when it is a
// regular file (a link to one will do), never blocking on a pipe or a device,
// and read no further than a limit fitting its kind, so that a file left by a
// mistaken copy can neither hang the program nor fill its memory.
struct Lectura {
    QByteArray bytes;
    // Empty when read; else why not, as a message says it after the file's
    // name: "no existe", "no es un archivo común", "es demasiado grande (200 MB)"...
    QString error;
    // With `Exceso::cortar`: only the first `tope` bytes were read.
    bool cortado = false;
    bool existe = true;
};
enum class Exceso { rechazar, cortar };
Lectura leer_archivo(const QString& ruta, qint64 tope, Exceso exceso = Exceso::rechazar);
// ...by the bytes of its name, as the folder holds it.
Lectura leer_archivo(const QByteArray& ruta, qint64 tope, Exceso exceso = Exceso::rechazar);

// Limits by kind: a start-up file holds a few hundred bytes, a picture a few
// hundred kilobytes, a session file some thousands of lines.
inline constexpr qint64 tope_arranque = 64 * 1024;
inline constexpr qint64 tope_texto = 1024 * 1024;
inline constexpr qint64 tope_imagen = 16 * 1024 * 1024;

// A size as a person says it: "512 bytes", "64 KB", "200 MB", "1,5 GB" (thousands).
QString tamano_legible(qint64 bytes);

// The text of a file the program reads as UTF-8 (a leading byte order mark
// skipped), or null when it is no text: then `por_que` says what it seems to
// be ("está en UTF-16", "tiene datos binarios").
QString texto_de(const QByteArray& bytes, QString* por_que);

// A datum as a message quotes it, with what would show as nothing, or as
// something else, made visible: "5<NUL>", "<TAB>", and other invisible and
// format characters by their code, "<U+00A0>".
QString a_la_vista(const QString& dato);
// The first such character, named for the reason of a message: "el carácter
// nulo (U+0000)", "el carácter U+00A0 (espacio irrompible)"; empty when there is none.
QString caracter_invisible(const QString& dato);
