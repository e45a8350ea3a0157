#pragma once

#include "session/reloj.h"
#include "tests/common/entorno.h"
#include "toolkit/mensaje.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>

// Answers every modal window with `m` for the life of a test.
class Modal {
public:
    explicit Modal(ManejadorModal m) { set_manejador_modal(std::move(m)); }
    ~Modal() { set_manejador_modal(nullptr); }
};

// The documentation clock stopped at a settable time.
class RelojFijo {
public:
    explicit RelojFijo(QDateTime t) : hora(std::move(t)) {
        set_reloj([this] { return hora; });
    }
    ~RelojFijo() { set_reloj(nullptr); }
    QDateTime hora;
};

// 5 December 2026 at the given time of day.
QDateTime a_las(int h, int m, int s = 0);

// The "*.log" files of the working folder, by name.
QStringList archivos_log();

// What the documentation file of 5/12/26 14:35 holds right after switching on,
// in the Spanish (Argentina) locale.
QString cabecera_es();

// The worked example as a line, with `sep` as decimal mark: N 5, a 2, d 10,
// L 0.55, angles -29 and 30.
QString linea_ejemplo(const QString& sep);

int correr_formato(int argc, char** argv);
int correr_documento(int argc, char** argv);
int correr_ventanas(int argc, char** argv);
