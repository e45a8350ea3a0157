#include "tests/common/entorno.h"

#include "main/form1.h"
#include "toolkit/mensaje.h"

#include <QDir>
#include <QFile>
#include <QTest>

const char* const CarpetaTrabajo::inic_normal = "-0.6, -2, 2\n"
                                                "0.6, -2, 2\n"
                                                "5, 1, 500\n"
                                                "2, 0.1, 100\n"
                                                "10, 1, 100\n"
                                                "0.55, 0.38, 0.78\n";

CarpetaTrabajo::CarpetaTrabajo(const QString& inic, const QString& trazo)
    : anterior_(QDir::currentPath()) {
    QDir::setCurrent(dir_.path());
    if (!inic.isNull()) {
        escribir(QStringLiteral("inic.dat"), inic.toUtf8());
    }
    if (!trazo.isNull()) {
        escribir(QStringLiteral("trazo.txt"), trazo.toUtf8());
    }
}

CarpetaTrabajo::~CarpetaTrabajo() { QDir::setCurrent(anterior_); }

QString CarpetaTrabajo::ruta(const QString& nombre) const { return dir_.filePath(nombre); }

void CarpetaTrabajo::escribir(const QString& nombre, const QByteArray& contenido) const {
    QFile f(ruta(nombre));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qFatal("cannot write %s", qPrintable(nombre));
    }
    f.write(contenido);
}

QByteArray CarpetaTrabajo::leer(const QString& nombre) const {
    QFile f(ruta(nombre));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Mensajes::Mensajes() {
    set_contestador([this](const QString& texto) { textos << texto; });
}

Mensajes::~Mensajes() { set_contestador(nullptr); }

LocalePrueba::LocalePrueba(const QLocale& l) : anterior_(QLocale()) { QLocale::setDefault(l); }

LocalePrueba::~LocalePrueba() { QLocale::setDefault(anterior_); }

std::unique_ptr<Form1> abrir_form1() {
    auto f = std::make_unique<Form1>();
    f->Form_Load();
    f->setWindowState(Qt::WindowNoState);
    f->resize(1000, 700);
    f->show();
    if (!QTest::qWaitForWindowExposed(f.get())) {
        qWarning("main window not exposed");
    }
    QCoreApplication::processEvents(); // the menus take the scaled font
    return f;
}
