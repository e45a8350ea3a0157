#include "medicion/medicion.h"
#include "model/ajuste.h"
#include "tests/common/entorno.h"
#include "toolkit/colores.h"
#include "toolkit/picture_box.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>

namespace {
// A sensor's export of N 5, a 2, d 10, L 0.633: positions in mm with the screen
// at 1000 mm, intensities over a background, in a TSV with a decimal comma.
QByteArray exportacion() {
    QByteArray t = "posición (mm)\tintensidad\n";
    for (int i = 0; i <= 1200; ++i) {
        const double x = -450 + 0.75 * i, tg = x / 1000, s = tg / std::sqrt(1 + tg * tg);
        const double I =
            40 + 900 * modelo({0.633, 2, 10, 1, 0, 0.001}, 5, s) + 3 * std::sin(7.7 * i);
        t += QByteArray::number(x, 'f', 2).replace('.', ',') + '\t' +
             QByteArray::number(I, 'f', 3).replace('.', ',') + '\n';
    }
    return t;
}

int grises(QImage img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            n += img.pixel(x, y) == gris_marca.rgb();
        }
    }
    return n;
}
} // namespace

class PruebaVentanaMedicion : public QObject {
    Q_OBJECT
    // "Archivo → Abrir medición…" with file `nombre`, the dialog that follows accepted.
    void abrir(const Escena& e, const QString& nombre) {
        const Modal modal([&](QWidget* w) {
            if (auto* d = qobject_cast<QFileDialog*>(w)) {
                d->selectFile(e.carpeta.ruta(nombre));
                buscar<QDialogButtonBox>(d, QStringLiteral("buttonBox"))
                    ->button(QDialogButtonBox::Open)
                    ->click();
            } else {
                buscar<QDialogButtonBox>(w, {})->button(QDialogButtonBox::Ok)->click();
            }
        });
        e.elegir("menu_archivo", QStringLiteral("Abrir &medición…"));
    }

private slots:
    // The measurement in grey over the curve, never in the picture; "Ajustar"
    // finds L, shows it with its uncertainty and sets it for "Graficar".
    void ajustar_una_exportacion() {
        const LocalePrueba coma(locale_coma());
        Escena e;
        e.graficar();
        e.carpeta.escribir(QStringLiteral("laser.tsv"), exportacion());
        abrir(e, QStringLiteral("laser.tsv"));
        auto* medicion = e.ventana->findChild<Medicion*>(QStringLiteral("medicion"));
        QVERIFY(medicion->medida() && e.mensajes.textos.isEmpty());
        auto* grafica = e.control<PictureBox>("grafica");
        QVERIFY(grises(grafica->imagen_visible()) > 200);
        QCOMPARE(grises(grafica->imagen()), 0);
        QTest::mouseClick(
            buscar<QPushButton>(medicion->ventana_medicion(), QStringLiteral("boton_ajustar")),
            Qt::LeftButton);
        const QString r =
            buscar<QLabel>(medicion->ventana_medicion(), QStringLiteral("resultado_ajuste"))
                ->text();
        QVERIFY2(r.startsWith(QStringLiteral("L = 0,633")) && r.contains(QStringLiteral(" ± 0,0")),
                 qPrintable(r));
        QCOMPARE(e.parametros().valor(Magnitud::onda), Fijo::desde(0.633));
        QCOMPARE(e.control<QLineEdit>("caja_onda")->text(), QStringLiteral("0,633"));
    }

    void rechaza_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QByteArray>("contenido");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("no numbers")
            << "a.csv" << QByteArray("x;y\nuno;dos\n") << "no tiene números";
        QTest::newRow("NaN") << "c.csv" << QByteArray("1;2\n2;NaN\n") << "no es un número";
        QTest::newRow("all zeros") << "d.csv" << QByteArray("1;0\n2;0\n") << "cero en todas";
        QTest::newRow("no image") << "e.png" << QByteArray("GIF89a") << "no es una imagen";
        QTest::newRow("100 MB") << "f.csv" << QByteArray() << "es demasiado grande";
    }
    // Each with its message, and the measurement already open kept.
    void rechaza() {
        QFETCH(QString, nombre);
        QFETCH(QByteArray, contenido);
        QFETCH(QString, motivo);
        Escena e;
        e.graficar();
        e.carpeta.escribir(QStringLiteral("laser.tsv"), exportacion());
        abrir(e, QStringLiteral("laser.tsv"));
        e.carpeta.escribir(nombre, contenido);
        if (contenido.isEmpty()) {
            QFile(e.carpeta.ruta(nombre)).resize(100 * 1024 * 1024);
        }
        abrir(e, nombre);
        QCOMPARE(e.mensajes.textos.size(), 1);
        QVERIFY2(e.mensajes.textos[0].contains(motivo), qPrintable(e.mensajes.textos[0]));
        QCOMPARE(e.ventana->findChild<Medicion*>(QStringLiteral("medicion"))->medida()->origen,
                 QStringLiteral("laser.tsv"));
    }
};

QTEST_MAIN(PruebaVentanaMedicion)
#include "tst_ventana_medicion.moc"
