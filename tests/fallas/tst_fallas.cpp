// A working folder at fault: start-up files malformed or of the wrong kind, a
// folder turned read-only, a picture cut short, a model text that is not text.
// Each is told in a clear message or met with a sound default, and what the
// user wrote is neither lost nor rewritten. (The faults of the documentation
// files are in tests/session, those of a missing picture in tests/windows.)
#include "grafica/grafica.h"
#include "main/inic.h"
#include "tests/common/disco.h"
#include "tests/common/entorno.h"
#include "windows/ventana_modelo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QString encendido = QStringLiteral(" 1 \r\n");

// A start-up file with 7 slits, so that a file read stands apart from the factory values.
QByteArray inic_siete() {
    return inic_con({{3, "7, 1, 500"}}).toUtf8();
}

// The program started in the working folder: its load step, then shown.
struct Programa {
    Programa() : v(std::make_unique<VentanaPrincipal>()) {
        v->cargar();
        v->show();
    }
    void pulsar(const char* boton) const { clic(buscar<QPushButton>(v.get(), boton)); }
    int curvas() const {
        return static_cast<int>(buscar<Grafica>(v.get(), QString())->curvas().size());
    }
    std::unique_ptr<VentanaPrincipal> v;
};

} // namespace

class PruebaFallas : public QObject {
    Q_OBJECT
private slots:
    // What "inic.dat" holds ("/": a folder of that name), and what comes of it:
    // the slits read, or 0 for the factory values after a message that says `dice`.
    void inicio_data() {
        QTest::addColumn<QByteArray>("contenido");
        QTest::addColumn<int>("ranuras");
        QTest::addColumn<QString>("dice");
        const QByteArray siete = inic_siete();
        QTest::newRow("empty") << QByteArray() << 0 << "0 números";
        QTest::newRow("17 numbers") << siete.left(siete.lastIndexOf(',')) << 0 << "17 números";
        QTest::newRow("1e999") << inic_con({{5, "1e999, 1, 100"}}).toUtf8() << 0
                               << "«1e999» del renglón 5";
        QTest::newRow("an exponent of 20 digits")
            << inic_con({{1, "-0.6, -2, 1e99999999999999999999"}}).toUtf8() << 0 << "renglón 1";
        QTest::newRow("text after the 18th number") << siete + "\nfin\n" << 0 << "fin";
        QTest::newRow("a BOM") << "\xEF\xBB\xBF" + siete << 7 << QString();
        QTest::newRow("CR line ends") << QByteArray(siete).replace('\n', '\r') << 7 << QString();
        QTest::newRow("a folder of that name") << QByteArray("/") << 0 << "inic.dat";
    }
    void inicio() {
        QFETCH(QByteArray, contenido);
        QFETCH(int, ranuras);
        QFETCH(QString, dice);
        const bool carpeta = contenido == "/";
        const CarpetaTrabajo c(carpeta ? QString() : QString::fromUtf8(contenido));
        if (carpeta) {
            QVERIFY(QDir::current().mkdir("inic.dat"));
        } else {
            c.escribir("inic.dat", contenido); // byte for byte
        }
        Mensajes m;
        const Programa p;
        if (ranuras == 0) {
            QCOMPARE(m.textos.size(), 1);
            const QString& t = m.textos[0];
            QVERIFY2(t.contains("\"inic.dat\"") && t.contains(dice) &&
                         t.contains("Se usan los valores de fábrica."),
                     qPrintable(t));
            QVERIFY(p.v->parametros() == parametros_de_fabrica());
        } else {
            QCOMPARE(m.textos, QStringList());
            QCOMPARE(p.v->parametros().valor(Magnitud::ranuras), Fijo(ranuras));
        }
        // The program goes on, and leaves the file as the user wrote it.
        p.pulsar("boton_graficar");
        QCOMPARE(p.curvas(), 1);
        QCOMPARE(m.textos.size(), ranuras == 0 ? 1 : 0);
        p.pulsar("boton_salir");
        if (carpeta) {
            QVERIFY(QFileInfo("inic.dat").isDir());
        } else {
            QCOMPARE(c.leer("inic.dat"), contenido);
        }
    }

    // Documentation on in a folder that turned read-only: told at start-up, the
    // plots go on, and "Salir", which cannot write the switch back, says so.
    void carpeta_de_solo_lectura() {
        const CarpetaTrabajo c;
        MONTAR(c, d, encendido);
        QVERIFY(d.solo_lectura());
        Mensajes m;
        const Programa p;
        QCOMPARE(m.textos.size(), 1);
        QVERIFY2(m.textos[0].contains("disco de solo lectura") &&
                     m.textos[0].endsWith("La documentación de la sesión queda desactivada."),
                 qPrintable(m.textos[0]));
        p.pulsar("boton_graficar");
        QCOMPARE(p.curvas(), 1);
        QCOMPARE(m.textos.size(), 1);
        p.pulsar("boton_salir");
        QCOMPARE(c.leer("trazo.txt"), encendido.toUtf8());
        QCOMPARE(m.textos.size(), 2);
        QVERIFY2(m.textos[1].contains("trazo.txt"), qPrintable(m.textos[1]));
    }

    // A picture cut short is reported as a corrupt one is, not shown black.
    void imagen_truncada() {
        const Escena e;
        QImage img(320, 198, QImage::Format_RGB32);
        img.fill(Qt::red);
        QVERIFY(img.save(e.carpeta.ruta("lab.bmp"), "BMP"));
        QFile f(e.carpeta.ruta("lab.bmp"));
        QVERIFY(f.resize(3000));
        e.elegir("menu_ver", "Laboratorio");
        QCOMPARE(e.mensajes.textos.size(), 1);
        QVERIFY2(e.mensajes.textos[0].contains("\"lab.bmp\""), qPrintable(e.mensajes.textos[0]));
        QVERIFY(!e.control("ilustracion")->isVisible());
        QVERIFY(e.control("boton_graficar")->isEnabled());
    }

    // "Modelo2.txt" that is not UTF-8 text is shown as far as it can be read; a
    // folder of that name is reported as a missing file is.
    void modelo_ilegible_data() {
        QTest::addColumn<QByteArray>("contenido"); // "/": a folder
        QTest::newRow("not text") << QByteArray("Difracci\xF3n \x80\xFF\n\0\0\x01\nfin\n", 22);
        QTest::newRow("a folder of that name") << QByteArray("/");
    }
    void modelo_ilegible() {
        QFETCH(QByteArray, contenido);
        const Escena e;
        if (contenido == "/") {
            QVERIFY(QDir::current().mkdir("Modelo2.txt"));
        } else {
            e.carpeta.escribir("Modelo2.txt", contenido);
        }
        e.elegir("menu_ver", "Modelo utilizado");
        auto* modelo = e->findChild<VentanaModelo*>();
        if (contenido == "/") {
            QCOMPARE(e.mensajes.textos,
                     QStringList{"No se puede leer el archivo \"Modelo2.txt\"."});
            QVERIFY(!modelo || !modelo->isVisible());
            return;
        }
        QCOMPARE(e.mensajes.textos, QStringList());
        QVERIFY(modelo);
        QTRY_VERIFY(modelo->isVisible());
        const QString texto = buscar<QPlainTextEdit>(modelo, "texto")->toPlainText();
        QVERIFY2(texto.contains("Difracci") && texto.endsWith("fin\n"), qPrintable(texto));
    }
};

QTEST_MAIN(PruebaFallas)
#include "tst_fallas.moc"
