#pragma once

#include "tests/common/entorno.h"

#include <QDir>
#include <QString>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

// A small tmpfs mounted over the working folder for one test, with the start-up
// files written again: a real disk that fills up or turns read-only.
struct Disco {
    Disco(const CarpetaTrabajo& c, const QString& trazo) : ruta(QDir::currentPath()) {
        if (::mount("tmpfs", qPrintable(ruta), "tmpfs", 0, "size=64k") != 0) {
            fallo = QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        QDir::setCurrent(ruta); // into the mount
        c.escribir("inic.dat", CarpetaTrabajo::inic_normal);
        c.escribir("trazo.txt", trazo.toUtf8());
    }
    ~Disco() {
        if (fallo.isEmpty()) {
            QDir::setCurrent(QDir::rootPath());
            ::umount2(qPrintable(ruta), MNT_DETACH);
        }
    }
    Disco(const Disco&) = delete;
    Disco& operator=(const Disco&) = delete;
    // Nothing written from now on: every write fails as on a read-only disk.
    bool solo_lectura() const {
        return ::mount("tmpfs", qPrintable(ruta), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    QString ruta, fallo;
};

#define MONTAR(c, d, trazo)                                                                        \
    const Disco d(c, trazo);                                                                       \
    if (!d.fallo.isEmpty()) {                                                                      \
        QSKIP(qPrintable("a small tmpfs could not be mounted (needs root): " + d.fallo));          \
    }
