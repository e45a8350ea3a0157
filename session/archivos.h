#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// The documentation files ("*.log") of a folder, in the order of their readable
// names, with their count and their total size in bytes. Names are kept as the
// folder holds them, bytes that are no UTF-8 included, so that every one is
// counted, shown and deleted.
struct ArchivosSesion {
    QList<QByteArray> nombres;
    QList<std::int64_t> tamanos;
    std::int64_t num = 0;
    std::int64_t bytes = 0;
};
ArchivosSesion listar_archivos_sesion(const QString& carpeta);

// A file name as it can be shown: its UTF-8 as text, every other byte as
// "\xE9", and what would not show made visible ("<U+000A>").
QString nombre_legible(const QByteArray& nombre);

// The documentation switch as "trazo.txt" holds it: the first field of the first
// line (ended by CR, LF or CR LF), blanks ignored, rounded to a whole number. Anything that is not
// a number from 0 to 255 reads as 0 (off).
std::uint8_t leer_traza(const QString& contenido);
// ...and as it is written: " 1 " and CR LF.
QByteArray texto_traza(std::uint8_t traza);

// Whole-file operations on `nombre`, each returning 0 or the system's error
// number. Deleting a file that is already gone succeeds; `contenido` replaces
// what the file held, or with `solo_nuevo` goes only into a file that did not exist.
int borrar_archivo(const QByteArray& nombre);
int escribir_archivo(const QString& nombre, const QByteArray& contenido, bool solo_nuevo = false);

// The first free name for a copy of `nombre` in its folder: "14_35 (2).log", "14_35 (3).log"...
QString nombre_libre(const QString& nombre);

// An open documentation file that takes each line whole or not at all, and can
// tell whether it is still the file its name points to.
class DocumentoAbierto {
public:
    DocumentoAbierto() = default;
    ~DocumentoAbierto();
    DocumentoAbierto(const DocumentoAbierto&) = delete;
    DocumentoAbierto& operator=(const DocumentoAbierto&) = delete;

    // Opens `nombre` for appending, created if missing; 0 or the error number.
    // A link, or anything but a regular file of its own, is never written
    // through: the file gets a free name beside it ("14_35 (2).log"), which
    // `nombre` then tells.
    int abrir(const QString& nombre);
    void cerrar();
    bool abierto() const { return fd_ >= 0; }
    // The absolute name it was opened by.
    const QString& nombre() const { return nombre_; }

    // `bytes` appended whole, or the file cut back to its former length when it
    // takes only part of them (a full disk stops a write part-way without an
    // error). `a_medias`: the cut failed too and part of them stays.
    struct Escritura {
        int error = 0;
        bool a_medias = false;
    };
    Escritura agregar(const QByteArray& bytes);

    // Whether its name still leads to it: the file may have been deleted, or
    // deleted and made again, by another program while it was open.
    enum class Lugar { en_su_lugar, borrado, reemplazado };
    Lugar lugar() const;
    // All it holds, read through the open file, which outlives a deletion.
    QByteArray contenido() const;

private:
    int fd_ = -1;
    QString nombre_;
};
