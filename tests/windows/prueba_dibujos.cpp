#include "tests/windows/prueba_ventanas.h"

#include "model/color.h"
#include "model/color_onda.h"
#include "windows/dibujos.h"

#include <QPainter>
#include <QTest>

#include <cmath>

void PruebaVentanas::espectro_en_los_colores_del_programa_data() {
    QTest::addColumn<double>("L");
    for (double L : {0.385, 0.40, 0.43, 0.47, 0.50, 0.53, 0.55, 0.58, 0.60, 0.65, 0.70, 0.775}) {
        QTest::newRow(qPrintable(QString::number(L))) << L;
    }
}

void PruebaVentanas::espectro_en_los_colores_del_programa() {
    QFETCH(double, L);
    const QSize tam(1600, 990);
    QImage img(tam, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        dibujar_espectro(p, tam);
    }
    // The band runs from 0.38 at its left edge to 0.78 at its right; the pixel
    // column of L has the colour the program gives L (or its neighbour's, a
    // column away at most).
    const QRectF franja = franja_espectro(tam);
    const double x = franja.left() + (L - 0.38) / 0.4 * franja.width();
    const int y = static_cast<int>(franja.center().y());
    const ComponentesColor c = color_de_onda(Fijo::desde(L));
    const Color esperado = RGB(c.r, c.g, c.b.a_double());
    bool hallado = false;
    for (int dx = -1; dx <= 1 && !hallado; ++dx) {
        const QColor en = img.pixelColor(static_cast<int>(std::floor(x)) + dx, y);
        hallado = std::abs(en.red() - rojo_de(esperado)) <= 4 &&
                  std::abs(en.green() - verde_de(esperado)) <= 4 &&
                  std::abs(en.blue() - azul_de(esperado)) <= 4;
    }
    QVERIFY2(
        hallado,
        qPrintable(QStringLiteral("no column near %1 has the colour of L = %2").arg(x).arg(L)));
}

void PruebaVentanas::lupas() {
    // Greyed pictures hold greys only; active ones have colour.
    const auto solo_grises = [](const QImage& img) {
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                if (c.red() != c.green() || c.green() != c.blue()) {
                    return false;
                }
            }
        }
        return true;
    };
    for (bool activa : {true, false}) {
        const QImage acercar = imagen_lupa(true, activa), alejar = imagen_lupa(false, activa);
        QCOMPARE(acercar.size(), QSize(16, 16));
        QCOMPARE(alejar.size(), QSize(16, 16));
        QVERIFY(acercar != alejar); // the plus sign is the minus sign with a stroke across it
        QCOMPARE(solo_grises(acercar), !activa);
        QCOMPARE(solo_grises(alejar), !activa);
    }
}

void PruebaVentanas::ilustracion_del_modelo() {
    const QImage img = imagen_modelo();
    QCOMPARE(img.size(), QSize(456, 156));
    QCOMPARE(img.depth(), 1);
    int negros = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            negros += img.pixelColor(x, y) == QColor(Qt::black);
        }
    }
    // A drawing, not a blank or a filled box.
    QVERIFY(negros > 1000);
    QVERIFY(negros < img.width() * img.height() / 3);
}
