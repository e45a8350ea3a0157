// Session documentation: the switch, its file and the "Archivo" menu.
#include "main/form1.h"

#include "main/texto.h"
#include "session/archivos.h"
#include "session/dialog.h"
#include "session/formato.h"
#include "session/reloj.h"
#include "session/trazas.h"
#include "toolkit/mensaje.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

void Form1::contar_archivos() {
    const ArchivosSesion a = listar_archivos_sesion(QDir::currentPath());
    File1 = a.nombres;
    g.num_archivos = a.num;
    g.bytes_archivos = a.bytes;
}

void Form1::restaurar_traza() {
    QFile archivo(QStringLiteral("trazo.txt"));
    g.traza =
        archivo.open(QIODevice::ReadOnly) ? leer_traza(QString::fromUtf8(archivo.readAll())) : 0;
    if (g.traza == 1 && g.bytes_archivos > 10000) {
        Dialog dialogo(*this);
        mostrar_modal(&dialogo);
    }
    if (g.traza == 1) {
        inicializar();
    }
}

void Form1::marcar_traza(bool marcado) {
    traza_marcada_ = marcado;
    menu_traza->setChecked(marcado);
}

void Form1::documento_fallido(const QString& nombre, const QString& accion, const QString& motivo) {
    g.traza = 0;
    marcar_traza(false);
    mensaje(QStringLiteral("No se puede %1 el documento de sesión \"%2\": %3.")
                .arg(accion, QFileInfo(nombre).absoluteFilePath(), motivo) +
            fin_linea + QStringLiteral("La documentación de la sesión queda desactivada."));
}

bool Form1::escribir_documento(const QString& texto) {
    if (!documento_) {
        return false;
    }
    const QByteArray bytes = texto.toLocal8Bit();
    if (documento_->write(bytes) == bytes.size() && documento_->flush()) {
        return true;
    }
    const QString nombre = documento_->fileName();
    const QString motivo = documento_->errorString();
    delete documento_.data();
    documento_fallido(nombre, QStringLiteral("escribir en"), motivo);
    return false;
}

void Form1::inicializar() {
    delete documento_.data();
    const QDateTime ahora = hora_actual();
    const QString nombre = nombre_documento(ahora.time(), QLocale());
    auto* archivo = new QFile(nombre, this);
    // Unbuffered: every line reaches the system as it is written, so a crash
    // right after a plot loses nothing.
    if (!archivo->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        const QString motivo = QFileInfo(nombre).isDir()
                                   ? QStringLiteral("hay una carpeta con ese nombre")
                                   : archivo->errorString();
        delete archivo;
        documento_fallido(nombre, QStringLiteral("abrir"), motivo);
        return;
    }
    documento_ = archivo;
    if (escribir_documento(cabecera_documento(ahora.date(), QLocale()))) {
        marcar_traza(true);
    }
}

void Form1::documentar() {
    if (g.traza != 1) {
        return;
    }
    const CasoDocumentado caso{g.ang_min,  g.ang_max,  g.valor[3],
                               g.valor[4], g.valor[5], g.valor[6]};
    escribir_documento(linea_documento(caso, QLocale()) + fin_linea);
}

void Form1::menu_traza_Click() {
    if (traza_marcada_) {
        // The file stays open; it just receives no more lines.
        marcar_traza(false);
        g.traza = 0;
        return;
    }
    g.traza = 1;
    inicializar();
    if (g.traza == 1) {
        mensaje(fin_linea + QStringLiteral("La documentación de la sesión queda grabada en") +
                fin_linea + QStringLiteral("archivos .log con la hora por nombre,") + fin_linea +
                QStringLiteral("en la carpeta de la aplicacion"));
    }
}

void Form1::menu_abrir_Click() {
    if (!trazas_) {
        trazas_ = new Trazas(this);
    }
    mostrar_modal(trazas_);
}

void Form1::menu_salir_Click() {
    QFile trazo(QStringLiteral("trazo.txt"));
    if (trazo.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        trazo.write(QByteArray(" ") + QByteArray::number(g.traza) + QByteArray(" \r\n"));
        trazo.close();
    }
    delete documento_.data();
    QApplication::quit();
}
