#include "main/form1.h"
#include "main/texto.h"
#include "model/intens.h"
#include "tests/common/entorno.h"
#include "tests/common/raton.h"
#include "tests/screen/puntero.h"
#include "toolkit/forma.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <cmath>

namespace {

int decimales(const QString& texto) {
    const int coma = std::max(texto.indexOf(QLatin1Char('.')), texto.indexOf(QLatin1Char(',')));
    return coma < 0 ? 0 : static_cast<int>(texto.size()) - coma - 1;
}

} // namespace

void PruebaPuntero::lecturas_data() {
    QTest::addColumn<bool>("sector"); // over the sector (Picture2) rather than the graph
    QTest::addColumn<double>("seno");
    QTest::addColumn<double>("X"); // over the sector
    QTest::addColumn<QString>("esperado");
    // Int(X * 1000 + 0.005 * Sgn(X)) / 1000: down for positive sines, and for
    // negative ones the term pushes below, so -0.2503 reads -0.251.
    QTest::newRow("0.2503") << false << 0.2503 << 0.0 << "0.25";
    QTest::newRow("-0.2503") << false << -0.2503 << 0.0 << "-0.251";
    QTest::newRow("0.123996") << false << 0.123996 << 0.0 << "0.124";
    QTest::newRow("-0.0004") << false << -0.0004 << 0.0 << "-0.001";
    QTest::newRow("0.0004") << false << 0.0004 << 0.0 << "0";
    QTest::newRow("0.11 (maximum)") << false << 0.11 << 0.0 << "0.11";
    // Over the sector the term's sign is that of the horizontal position: 0 on the left edge.
    QTest::newRow("sector -0.250003 inside") << true << -0.250003 << 3.0 << "-0.25";
    QTest::newRow("sector -0.250003 left edge") << true << -0.250003 << 0.0 << "-0.251";
    QTest::newRow("sector 0.4 right edge") << true << 0.4 << 6.0 << "0.4";
}

void PruebaPuntero::lecturas() {
    QFETCH(bool, sector);
    QFETCH(double, seno);
    QFETCH(double, X);
    QFETCH(QString, esperado);
    for (bool con_coma : {false, true}) {
        LocalePrueba locale(con_coma ? locale_coma() : locale_punto());
        Escena f;
        if (sector) {
            mover_sobre(f->Picture2, {X, seno / std::sqrt(1 - seno * seno)});
        } else {
            mover_sobre(f->Picture1, {seno, 10});
        }
        QCOMPARE(f->Label8->text(),
                 con_coma ? QString(esperado).replace(QLatin1Char('.'), QLatin1Char(','))
                          : esperado);
        // Label9 shows I * a² at the sine, to four decimals, with the locale's separator.
        const QString I = f->Label9->text();
        const double a_esperar = Intens(Fijo::desde(0.55), 2, 10, 5, seno) * 4;
        QVERIFY2(std::fabs(leer_numero(convertir(I)) - a_esperar) <= 0.00005, qPrintable(I));
        QVERIFY(decimales(I) <= 4);
        QVERIFY(decimales(I) == 0 || I.contains(con_coma ? QLatin1Char(',') : QLatin1Char('.')));
    }
}

void PruebaPuntero::lecturas_en_blanco() {
    Escena f(false);
    // No curve: nothing to read; the window's own background empties both.
    f->Label8->setText(QStringLiteral("antes"));
    f->Label9->setText(QStringLiteral("antes"));
    mover_raton(f->Picture1, QPointF(20, 20));
    mover_raton(f->Picture2, QPointF(10, 20));
    QCOMPARE(f->Label8->text() + f->Label9->text(), QStringLiteral("antesantes"));
    mover_raton(f->superficie, QPointF(100, 300));
    QCOMPARE(f->Label8->text() + f->Label9->text(), QString());

    // A drag can take the pointer past the graph, where X is no sine at all.
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    set_manejador_modal([](QWidget*) {});
    QTest::mousePress(f->Picture1, Qt::LeftButton, {}, pixel_de(f->Picture1, {0.3, 10}));
    for (double X : {1.2, -1.5}) {
        QTest::mouseMove(f->Picture1, pixel_de(f->Picture1, {X, 10}));
        QCOMPARE(f->Label8->text() + f->Label9->text(), QString());
    }
    QTest::mouseMove(f->Picture1, pixel_de(f->Picture1, {0.4, 12}));
    QVERIFY(!f->Label8->text().isEmpty());
    QVERIFY(!f->Label9->text().contains(QStringLiteral("nan"), Qt::CaseInsensitive));
    QTest::mouseRelease(f->Picture1, Qt::LeftButton, {}, pixel_de(f->Picture1, {0.4, 12}));
    set_manejador_modal(nullptr);
}

void PruebaPuntero::la_banda_no_marca_la_grafica() {
    Escena f;
    const QImage antes = f->Picture1->imagen();
    const std::size_t figuras = f->Picture1->figuras();
    const QPoint a = pixel_de(f->Picture1, {-0.2, 5});
    QTest::mousePress(f->Picture1, Qt::LeftButton, {}, a);
    QTest::mouseMove(f->Picture1, a + QPoint(120, 150));
    QTest::mouseMove(f->Picture1, a + QPoint(60, 80));
    QCOMPARE(f->Picture1->imagen(), antes);
    // Only the last outline shows, inverted in blue over the picture.
    const QImage vista = f->Picture1->imagen_visible();
    int distintos = 0;
    for (int y = 0; y < vista.height(); ++y) {
        for (int x = 0; x < vista.width(); ++x) {
            if (vista.pixel(x, y) != antes.pixel(x, y)) {
                ++distintos;
                QCOMPARE(vista.pixel(x, y) ^ antes.pixel(x, y), 0x0000FFu);
                const bool en_borde = std::abs(x - a.x()) <= 1 || std::abs(x - a.x() - 60) <= 1 ||
                                      std::abs(y - a.y()) <= 1 || std::abs(y - a.y() - 80) <= 1;
                QVERIFY2(en_borde, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
    }
    QVERIFY(distintos >= 2 * (60 + 80));
    bool abierto = false;
    set_manejador_modal([&](QWidget*) { abierto = true; });
    QTest::mouseRelease(f->Picture1, Qt::LeftButton, {}, a + QPoint(60, 80));
    set_manejador_modal(nullptr);
    QVERIFY(abierto);
    QCOMPARE(f->Picture1->imagen_visible(), antes);
    QCOMPARE(f->Picture1->figuras(), figuras);
    QCOMPARE(f->Picture1->modo(), PictureBox::Modo::copiar);
    QVERIFY(f->Picture1->persistente());
}

void PruebaPuntero::abre_el_zoom_data() {
    QTest::addColumn<QPointF>("desde");
    QTest::addColumn<QPointF>("hasta");
    QTest::addColumn<int>("barra");
    // Position 100 * (x_ini - seno_min) / (R - w) is 50 for the middle; a selection
    // past the graph puts the bar at its end and keeps its width within the range.
    QTest::newRow("down right") << QPointF(-0.05, 5) << QPointF(0.05, 20) << 50;
    QTest::newRow("up left") << QPointF(0.05, 20) << QPointF(-0.05, 5) << 50;
    QTest::newRow("down left") << QPointF(0.05, 5) << QPointF(-0.05, 20) << 50;
    QTest::newRow("past the right end") << QPointF(0.3, 5) << QPointF(0.7, 15) << 100;
    QTest::newRow("past the left end") << QPointF(-0.3, 5) << QPointF(-0.7, 15) << 0;
}

void PruebaPuntero::abre_el_zoom() {
    QFETCH(QPointF, desde);
    QFETCH(QPointF, hasta);
    QFETCH(int, barra);
    Escena f;
    const Globales& g = f->g;
    // The corners as the pointer gives them, whole pixels apart.
    const auto x_de = [&](QPointF u) {
        return static_cast<float>(f->Picture1->a_usuario(pixel_de(f->Picture1, u)).x());
    };
    const float w = std::fabs(x_de(hasta) - x_de(desde));
    bool visto = false;
    const bool abierto = seleccionar(*f, desde, hasta, [&](FormZoom& z) {
        visto = z.isVisible() && f->cajazoom->isVisible();
        QCOMPARE(z.barraH->value(), barra);
        const double R = g.seno_max - g.seno_min;
        QVERIFY(std::fabs(g.x_ini - (g.seno_min + (R - w) * barra / 100)) < 1e-6);
        QVERIFY(std::fabs((g.x_fin - g.x_ini) - w) < 1e-6);
        QVERIFY(g.x_fin <= g.seno_max + 1e-6);
        QVERIFY(std::fabs(g.y_ini - 5) < 0.1);
        QVERIFY(std::fabs(g.y_fin - std::max(desde.y(), hasta.y())) < 0.1);
        const QPointF esquina1 = f->Picture1->a_pixel({g.x_ini, g.y_ini});
        const QPointF esquina2 = f->Picture1->a_pixel({g.x_fin, g.y_fin});
        const QRect caja = f->cajazoom->geometry();
        QVERIFY(std::abs(caja.left() - esquina1.x()) <= 2 &&
                std::abs(caja.top() - esquina1.y()) <= 2);
        QVERIFY(std::abs(caja.right() - esquina2.x()) <= 2 &&
                std::abs(caja.bottom() - esquina2.y()) <= 2);
    });
    QVERIFY(abierto && visto);
    QVERIFY(!f->cajazoom->isVisible()); // hidden with the zoom window
    QCOMPARE(f->Label8->text(), QString());
}

void PruebaPuntero::no_abre_nada_data() {
    QTest::addColumn<QString>("antes"); // "", "sin_curva", "limpiar" or "sin_presion"
    QTest::addColumn<QPointF>("desde");
    QTest::addColumn<QPointF>("hasta");
    const QPointF p(-0.1, 5), q(0.1, 15);
    QTest::newRow("click without a drag") << "" << p << p;
    QTest::newRow("no height") << "" << p << QPointF(0.1, 5);
    QTest::newRow("no width") << "" << p << QPointF(-0.1, 15);
    QTest::newRow("as wide as the range") << "" << QPointF(-0.6, 5) << QPointF(0.6, 15);
    QTest::newRow("no curve") << "sin_curva" << p << q;
    QTest::newRow("after Limpiar") << "limpiar" << p << q;
    QTest::newRow("release without a press") << "sin_presion" << p << q;
}

void PruebaPuntero::no_abre_nada() {
    QFETCH(QString, antes);
    QFETCH(QPointF, desde);
    QFETCH(QPointF, hasta);
    Escena f(antes != QLatin1String("sin_curva"));
    if (antes == QLatin1String("limpiar")) {
        QVERIFY(seleccionar(*f, desde, hasta));
        QTest::mouseClick(f->Command2, Qt::LeftButton);
    }
    const QImage imagen = f->Picture1->imagen();
    bool abierto = false;
    if (antes == QLatin1String("sin_presion")) {
        set_manejador_modal([&](QWidget*) { abierto = true; });
        QTest::mouseRelease(f->Picture1, Qt::LeftButton, {}, QPoint(30, 30));
        set_manejador_modal(nullptr);
    } else {
        abierto = seleccionar(*f, desde, hasta);
    }
    QVERIFY(!abierto);
    QVERIFY(!f->cajazoom->isVisible());
    QCOMPARE(f->Picture1->imagen_visible(), imagen);
    QVERIFY(f->Picture1->persistente());
}

QTEST_MAIN(PruebaPuntero)
