#include "main/arranque.h"

#include "main/ventana_principal.h"
#include "toolkit/datos.h"
#include "toolkit/imagen_archivo.h"
#include "toolkit/mensaje.h"
#include "toolkit/razones.h"
#include "windows/presentacion.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QPushButton>
#include <QTextStream>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString inicio = QStringLiteral("inic.dat");
// What the user may change: the start-up values by hand, the switch through "Salir".
const QStringList propios = {inicio, QStringLiteral("trazo.txt")};
const QStringList imagenes = {QStringLiteral("espectro.bmp"), QStringLiteral("lab.bmp"),
                              QStringLiteral("pantalla.bmp"), QStringLiteral("LupaOuSi.bmp"),
                              QStringLiteral("LupaOuNo.bmp"), QStringLiteral("LupaInSi.bmp"),
                              QStringLiteral("LupaInNo.bmp")};

bool tiene_datos(const QString& carpeta) {
    return QFileInfo::exists(QDir(carpeta).filePath(inicio));
}

// Why `carpeta` cannot be the working folder, after making what it lacks;
// empty when it can.
QString carpeta_inutil(const QString& carpeta) {
    // Without a home the desktop's paths fall back to the root folder.
    const bool sin_casa = qEnvironmentVariable("HOME").isEmpty() &&
                          !QDir::isAbsolutePath(qEnvironmentVariable("XDG_DATA_HOME"));
    if (sin_casa || !QDir::isAbsolutePath(carpeta)) {
        return QStringLiteral(
            "no está definida la carpeta personal del usuario (la variable HOME)");
    }
    QString camino;
    for (const QString& parte :
         QDir::cleanPath(carpeta).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        camino += QLatin1Char('/') + parte;
        const QByteArray c = QFile::encodeName(camino);
        struct stat s {};
        if (::stat(c.constData(), &s) == 0) {
            if (!S_ISDIR(s.st_mode)) {
                return QStringLiteral("\"%1\" es un archivo, no una carpeta").arg(camino);
            }
            continue;
        }
        if (::mkdir(c.constData(), 0777) != 0 && errno != EEXIST) {
            return razon(errno, Operacion::crear);
        }
    }
    if (::access(QFile::encodeName(carpeta).constData(), W_OK | X_OK) != 0) {
        return razon(errno, Operacion::escribir);
    }
    return QString();
}

} // namespace

std::unique_ptr<VentanaPrincipal> arrancar(Presentacion& presentacion) {
    presentacion.esperar();
    auto principal = std::make_unique<VentanaPrincipal>();
    principal->cargar();
    principal->show();
    return principal;
}

Carpetas elegir_carpetas(const QString& programa, const QString& instalada,
                         const QString& usuario) {
    if (tiene_datos(programa) && QFileInfo(programa).isWritable()) {
        return {programa, programa, {}};
    }
    Carpetas c{usuario, tiene_datos(programa) ? programa : instalada, {}};
    for (const QString& nombre : propios) {
        if (QFileInfo::exists(QDir(c.datos).filePath(nombre)) &&
            !QFileInfo::exists(QDir(usuario).filePath(nombre))) {
            c.sembrar << nombre;
        }
    }
    return c;
}

QString carpeta_instalada(const QString& programa) {
    return QDir::cleanPath(programa + QStringLiteral("/" ONDARIS_DATOS_RELATIVOS));
}

QString preparar_carpetas(const Carpetas& c) {
    fijar_carpeta_datos(c.datos);
    fijar_carpeta_impedida(QString());
    const QString por_que = c.trabajo == c.datos ? QString() : carpeta_inutil(c.trabajo);
    if (!por_que.isEmpty() || !QDir::setCurrent(c.trabajo)) {
        // Never the folder the program was started from: the shipped files
        // are read where they are, and nothing is written.
        QDir::setCurrent(c.datos);
        const QString aviso =
            QStringLiteral("Los documentos de sesión iban a guardarse en \"%1\", pero esa carpeta "
                           "no se puede usar: %2.")
                .arg(c.trabajo, por_que.isEmpty() ? razon(errno, Operacion::leer) : por_que);
        fijar_carpeta_impedida(aviso);
        return aviso;
    }
    QString problemas;
    for (const QString& nombre : c.sembrar) {
        if (!QFile::copy(QDir(c.datos).filePath(nombre), nombre)) {
            problemas += QStringLiteral("cannot copy %1 into %2\n").arg(nombre, c.trabajo);
            continue;
        }
        // The installed copy is read-only; the user's must not be.
        QFile::setPermissions(nombre, QFile::permissions(nombre) | QFile::WriteOwner);
    }
    return problemas.trimmed();
}

QIcon icono_programa(const QString& programa) {
    QIcon icono;
    const QDir hicolor(programa + QStringLiteral("/" ONDARIS_ICONOS_RELATIVOS));
    for (const QString& tamano : hicolor.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QImage imagen(hicolor.filePath(tamano + QStringLiteral("/apps/" ONDARIS_ID ".png")));
        if (!imagen.isNull()) {
            icono.addPixmap(QPixmap::fromImage(imagen));
        }
    }
    return icono;
}

int comprobar_arranque(QTextStream& salida) {
    int fallas = 0;
    set_contestador([&](const QString& texto) {
        salida << "message: " << texto.simplified() << Qt::endl;
        ++fallas;
    });
    salida << "working folder: " << QDir::currentPath() << Qt::endl;
    for (const QString& nombre : QStringList{inicio, QStringLiteral("Modelo2.txt")} + imagenes) {
        const QString ruta = ruta_de_datos(nombre);
        const bool hallado = QFileInfo::exists(ruta) && (!nombre.endsWith(QLatin1String(".bmp")) ||
                                                         !leer_imagen(ruta).isNull());
        salida << nombre << ": " << (hallado ? QFileInfo(ruta).absoluteFilePath() : "missing")
               << Qt::endl;
        fallas += hallado ? 0 : 1;
    }
    QList<int> lados;
    for (const QSize& s : QApplication::windowIcon().availableSizes()) {
        lados << s.width();
    }
    std::sort(lados.begin(), lados.end());
    salida << "icon:";
    for (int lado : lados) {
        salida << ' ' << lado;
    }
    salida << Qt::endl;

    VentanaPrincipal principal;
    principal.cargar();
    principal.show();
    QApplication::processEvents();
    if (auto* graficar = principal.findChild<QPushButton*>(QStringLiteral("boton_graficar"))) {
        graficar->click();
    }
    principal.close();
    set_contestador(nullptr);
    return fallas == 0 ? 0 : 1;
}
