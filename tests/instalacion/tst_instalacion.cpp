// Where the program works and finds what it ships (beside itself, or installed
// with the user's own folder), and the icon it draws.
#include "main/arranque.h"
#include "toolkit/datos.h"
#include "tools/icono.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <unistd.h>

namespace {

// A program's folder, the share folder of an installation and a user's
// folder, under one temporary folder.
struct Maquina {
    QTemporaryDir raiz;
    QString programa = raiz.filePath(QStringLiteral("bin"));
    QString instalada = raiz.filePath(QStringLiteral("share/ondaris"));
    QString usuario = raiz.filePath(QStringLiteral("casa/Ondaris"));

    static void poner(const QString& carpeta, const QStringList& archivos,
                      const QByteArray& contenido = "x") {
        QVERIFY(QDir().mkpath(carpeta));
        for (const QString& a : archivos) {
            QFile f(QDir(carpeta).filePath(a));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contenido);
        }
    }
};

// The working folder and the shipped files' folder come back after each case.
struct Restaurar {
    QString anterior = QDir::currentPath();
    ~Restaurar() {
        QDir::setCurrent(anterior);
        fijar_carpeta_datos(QString());
    }
};

} // namespace

class PruebaInstalacion : public QObject {
    Q_OBJECT
private slots:
    void elige_carpetas_data() {
        QTest::addColumn<QStringList>("en_programa");
        QTest::addColumn<QStringList>("en_usuario");
        QTest::addColumn<bool>("programa_solo_lectura");
        QTest::addColumn<QString>("trabajo");
        QTest::addColumn<QString>("datos");
        QTest::addColumn<QStringList>("sembrar");
        const QStringList datos{"inic.dat", "trazo.txt", "Modelo2.txt"};
        const QStringList nada;
        QTest::newRow("build or copied folder") << datos << nada << false << "programa"
                                                << "programa" << nada;
        QTest::newRow("installed, first start")
            << nada << nada << false << "usuario"
            << "instalada" << QStringList{"inic.dat", "trazo.txt"};
        QTest::newRow("installed, start-up values edited")
            << nada << QStringList{"inic.dat"} << false << "usuario"
            << "instalada" << QStringList{"trazo.txt"};
        QTest::newRow("program alone in a writable folder")
            << QStringList{"Modelo2.txt"} << nada << false << "usuario"
            << "instalada" << QStringList{"inic.dat", "trazo.txt"};
        QTest::newRow("shared read-only copy of the build")
            << datos << QStringList{"trazo.txt"} << true << "usuario"
            << "programa" << QStringList{"inic.dat"};
    }
    void elige_carpetas() {
        QFETCH(QStringList, en_programa);
        QFETCH(QStringList, en_usuario);
        QFETCH(bool, programa_solo_lectura);
        QFETCH(QString, trabajo);
        QFETCH(QString, datos);
        QFETCH(QStringList, sembrar);
        if (programa_solo_lectura && geteuid() == 0) {
            QSKIP("root writes into a read-only folder");
        }
        Maquina m;
        Maquina::poner(m.programa, en_programa);
        Maquina::poner(m.instalada, {"inic.dat", "trazo.txt", "Modelo2.txt"});
        if (!en_usuario.isEmpty()) {
            Maquina::poner(m.usuario, en_usuario);
        }
        if (programa_solo_lectura) {
            QVERIFY(QFile::setPermissions(m.programa, QFile::ReadOwner | QFile::ExeOwner));
        }
        const Carpetas c = elegir_carpetas(m.programa, m.instalada, m.usuario);
        QFile::setPermissions(m.programa, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const auto carpeta = [&](const QString& cual) {
            return cual == "programa" ? m.programa : cual == "usuario" ? m.usuario : m.instalada;
        };
        QCOMPARE(c.trabajo, carpeta(trabajo));
        QCOMPARE(c.datos, carpeta(datos));
        QCOMPARE(c.sembrar, sembrar);
    }

    // An installed program's first start seeds the user's folder with copies
    // the user can edit, though the installed files are read-only, and finds
    // the shipped files where they were installed; where the user's folder cannot
    // be made it says so, and still finds them.
    void siembra_y_lee_lo_instalado() {
        const Restaurar restaurar;
        {
            Maquina m;
            Maquina::poner(m.instalada, {"inic.dat", "Modelo2.txt"});
            Maquina::poner(m.raiz.path(), {"casa"}); // a file where the user's folder would go
            const Carpetas c = elegir_carpetas(m.programa, m.instalada, m.usuario);
            QVERIFY(preparar_carpetas(c).contains(m.usuario));
            QCOMPARE(QFileInfo(ruta_de_datos("Modelo2.txt")).absoluteFilePath(),
                     QDir(m.instalada).filePath("Modelo2.txt"));
        }
        Maquina m;
        Maquina::poner(m.programa, {});
        Maquina::poner(m.instalada, {"inic.dat", "trazo.txt"}, "instalado");
        Maquina::poner(m.instalada, {"Modelo2.txt"});
        QVERIFY(QFile::setPermissions(QDir(m.instalada).filePath("inic.dat"), QFile::ReadOwner));
        QCOMPARE(preparar_carpetas(elegir_carpetas(m.programa, m.instalada, m.usuario)), QString());
        const QString copia = QDir(m.usuario).filePath("inic.dat");
        QFile f(copia);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("instalado"));
        // Its mode, not a write, tells: root may write any file.
        QVERIFY(QFileInfo(copia).permissions() & QFile::WriteOwner);
        QCOMPARE(ruta_de_datos("inic.dat"), QStringLiteral("inic.dat")); // the user's copy
        QCOMPARE(ruta_de_datos("Modelo2.txt"), QDir(m.instalada).filePath("Modelo2.txt"));
        // Missing everywhere: the bare name, for the message about it.
        QCOMPARE(ruta_de_datos("lab.bmp"), QStringLiteral("lab.bmp"));
    }

    void icono_en_cada_tamano() {
        const Icono i = icono();
        // The central maximum, on the tile's top edge of the curve.
        const QPointF cima =
            *std::min_element(i.curva.begin(), i.curva.end(),
                              [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
        for (int lado : {16, 32, 48, 64, 128, 256}) {
            const QImage imagen = imagen_icono(i, lado);
            QCOMPARE(imagen.size(), QSize(lado, lado));
            // Rounded tile: the corners show the desktop, the middle is the tile.
            QCOMPARE(qAlpha(imagen.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(imagen.pixel(lado - 1, lado - 1)), 0);
            QCOMPARE(qAlpha(imagen.pixel(lado / 2, lado / 2)), 255);
            if (lado >= 64) {
                const QPoint pixel = (cima * lado / lado_icono).toPoint() + QPoint(0, 1);
                QCOMPARE(QColor(imagen.pixel(pixel)), i.color_curva);
            }
        }
    }

    void icono_svg_valido() {
        const Icono i = icono();
        QXmlStreamReader xml(svg_icono(i));
        QStringList elementos;
        QString caja;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement) {
                elementos << xml.name().toString();
                if (xml.name() == QLatin1String("svg")) {
                    caja = xml.attributes().value("viewBox").toString();
                }
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(caja, QStringLiteral("0 0 256 256"));
        QCOMPARE(elementos.count("rect"), 1 + i.barras.size());
        QCOMPARE(elementos.count("polyline"), 1);
    }
};

QTEST_MAIN(PruebaInstalacion)
#include "tst_instalacion.moc"
