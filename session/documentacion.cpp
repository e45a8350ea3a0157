#include "session/documentacion.h"

#include "session/archivos.h"
#include "session/dialogo_limpieza.h"
#include "session/formato.h"
#include "session/reloj.h"
#include "session/visor_sesiones.h"
#include "toolkit/mensaje.h"
#include "toolkit/texto.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>

Documentacion::Documentacion(QWidget* ventana) : QObject(ventana), ventana_(ventana) {
    accion_documentar_ = new QAction(QStringLiteral("Documentar Sesión"), this);
    accion_documentar_->setObjectName(QStringLiteral("accion_documentar"));
    accion_documentar_->setCheckable(true);
    accion_abrir_ = new QAction(QStringLiteral("Abrir Documento de Sesión"), this);
    accion_abrir_->setObjectName(QStringLiteral("accion_abrir"));
    connect(accion_documentar_, &QAction::triggered, this, &Documentacion::alternar);
    connect(accion_abrir_, &QAction::triggered, this, &Documentacion::abrir_visor);
}

void Documentacion::arrancar() {
    const ArchivosSesion archivos = listar_archivos_sesion(QDir::currentPath());
    QFile trazo(QStringLiteral("trazo.txt"));
    traza_ = trazo.open(QIODevice::ReadOnly) ? leer_traza(QString::fromUtf8(trazo.readAll())) : 0;
    if (traza_ == 1 && archivos.bytes > 10000) {
        DialogoLimpieza dialogo(ventana_, archivos.num, archivos.bytes);
        mostrar_modal(&dialogo);
        if (dialogo.result() == QDialog::Accepted) {
            // Exactly the files counted; one that cannot be deleted stays, the others go.
            for (const QString& nombre : archivos.nombres) {
                QFile::remove(nombre);
            }
            traza_ = 0;
            marcar(false);
        }
    }
    if (traza_ == 1) {
        inicializar();
    }
}

void Documentacion::marcar(bool marcado) {
    marcada_ = marcado;
    accion_documentar_->setChecked(marcado);
}

void Documentacion::fallo(const QString& nombre, const QString& accion, const QString& motivo) {
    traza_ = 0;
    marcar(false);
    mensaje(QStringLiteral("No se puede %1 el documento de sesión \"%2\": %3.")
                .arg(accion, QFileInfo(nombre).absoluteFilePath(), motivo) +
            fin_linea + QStringLiteral("La documentación de la sesión queda desactivada."));
}

bool Documentacion::escribir(const QString& texto) {
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
    fallo(nombre, QStringLiteral("escribir en"), motivo);
    return false;
}

void Documentacion::inicializar() {
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
        fallo(nombre, QStringLiteral("abrir"), motivo);
        return;
    }
    documento_ = archivo;
    if (escribir(cabecera_documento(ahora.date(), QLocale()))) {
        marcar(true);
    }
}

void Documentacion::documentar(const Curva& c) {
    if (traza_ != 1) {
        return;
    }
    const CasoDocumentado caso{c.ang_min(), c.ang_max(), Fijo(c.ranuras),
                               c.ancho,     c.distancia, c.onda};
    escribir(linea_documento(caso, QLocale()) + fin_linea);
}

void Documentacion::alternar() {
    if (marcada_) {
        // The file stays open; it just receives no more lines.
        marcar(false);
        traza_ = 0;
        return;
    }
    traza_ = 1;
    inicializar();
    if (traza_ == 1) {
        mensaje(fin_linea + QStringLiteral("La documentación de la sesión queda grabada en") +
                fin_linea + QStringLiteral("archivos .log con la hora por nombre,") + fin_linea +
                QStringLiteral("en la carpeta de la aplicacion"));
    }
}

void Documentacion::abrir_visor() {
    if (!visor_) {
        visor_ = new VisorSesiones(ventana_);
    }
    mostrar_modal(visor_);
}

void Documentacion::guardar_interruptor() {
    QFile trazo(QStringLiteral("trazo.txt"));
    if (trazo.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        trazo.write(QByteArray(" ") + QByteArray::number(traza_) + QByteArray(" \r\n"));
        trazo.close();
    }
    delete documento_.data();
}
