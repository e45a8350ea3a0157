// A start-up file malformed or of the wrong kind: told in a clear message and
// met with the factory values, and what the user wrote is neither lost nor
// rewritten. (The faults of the documentation files are in tests/session, those
// of the pictures and of the model text in tests/windows.)
#include "grafica/grafica.h"
#include "main/inic.h"
#include "tests/common/entorno.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

class PruebaFallas : public QObject {
    Q_OBJECT
private slots:
    // What "inic.dat" holds ("/": a folder of that name), and what comes of it:
    // the slits read, or 0 for the factory values after a message that says `dice`.
    void inicio_data() {
        QTest::addColumn<QByteArray>("contenido");
        QTest::addColumn<int>("ranuras");
        QTest::addColumn<QString>("dice");
        // 7 slits, so that a file read stands apart from the factory values.
        const QByteArray siete = inic_con({{3, "7, 1, 500"}}).toUtf8();
        QTest::newRow("empty") << QByteArray() << 0 << "0 números";
        QTest::newRow("17 numbers") << siete.left(siete.lastIndexOf(',')) << 0 << "17 números";
        QTest::newRow("1e999") << inic_con({{5, "1e999, 1, 100"}}).toUtf8() << 0
                               << "«1e999» del renglón 5";
        QTest::newRow("a BOM") << "\xEF\xBB\xBF" + siete << 7 << QString();
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
        VentanaPrincipal v;
        v.cargar();
        v.show();
        if (ranuras == 0) {
            QCOMPARE(m.textos.size(), 1);
            const QString& t = m.textos[0];
            QVERIFY2(t.contains("\"inic.dat\"") && t.contains(dice) &&
                         t.contains("Se usan los valores de fábrica."),
                     qPrintable(t));
            QVERIFY(v.parametros() == parametros_de_fabrica());
        } else {
            QCOMPARE(m.textos, QStringList());
            QCOMPARE(v.parametros().valor(Magnitud::ranuras), Fijo(ranuras));
        }
        // The program goes on, and leaves the file as the user wrote it.
        clic(buscar<QPushButton>(&v, "boton_graficar"));
        QCOMPARE(buscar<Grafica>(&v, QString())->curvas().size(), std::size_t{1});
        QCOMPARE(m.textos.size(), ranuras == 0 ? 1 : 0);
        clic(buscar<QPushButton>(&v, "boton_salir"));
        if (carpeta) {
            QVERIFY(QFileInfo("inic.dat").isDir());
        } else {
            QCOMPARE(c.leer("inic.dat"), contenido);
        }
    }
};

QTEST_MAIN(PruebaFallas)
#include "tst_fallas.moc"
