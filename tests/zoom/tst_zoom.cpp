#include "main/form1.h"
#include "main/texto.h"
#include "model/intens.h"
#include "tests/common/entorno.h"
#include "tests/common/raton.h"
#include "toolkit/diseno.h"
#include "toolkit/forma.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>

#include <cmath>

namespace {

struct Caso {
    int N;
    double a, d, L;
};

// Plots each case of `curvas` (N, a, d, L per curve) on a window without curves.
std::vector<Caso> graficar(Form1& f, const QList<double>& curvas) {
    std::vector<Caso> casos;
    for (qsizetype i = 0; i + 3 < curvas.size(); i += 4) {
        casos.push_back({int(curvas[i]), curvas[i + 1], curvas[i + 2], curvas[i + 3]});
        f.g.valor[3] = casos.back().N;
        f.g.valor[4] = Fijo::desde(casos.back().a);
        f.g.valor[5] = Fijo::desde(casos.back().d);
        f.g.valor[6] = Fijo::desde(casos.back().L);
        QTest::mouseClick(f.Command1, Qt::LeftButton);
    }
    return casos;
}

double intensidad(const Caso& c, double seno) {
    return Intens(Fijo::desde(c.L), Fijo::desde(c.a), Fijo::desde(c.d), c.N, seno);
}

// How many pixels show colour `c`, and the topmost and lowest rows where it does.
struct Mancha {
    int n = 0, arriba = 1 << 30, abajo = -1;
};
Mancha mancha(const QImage& img, QRgb c) {
    Mancha m;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (img.pixel(x, y) == c) {
                ++m.n;
                m.arriba = std::min(m.arriba, y);
                m.abajo = std::max(m.abajo, y);
            }
        }
    }
    return m;
}

QRgb color_de(PictureBox* p) {
    return p->imagen_fondo().pixel(8, 8);
}

// A part of the bar (thumb, arrows), in its own pixels.
QPoint parte(QScrollBar* barra, QStyle::SubControl cual) {
    QStyleOptionSlider o;
    o.initFrom(barra);
    o.orientation = Qt::Horizontal;
    o.state |= QStyle::State_Horizontal;
    o.maximum = barra->maximum();
    o.sliderPosition = o.sliderValue = barra->value();
    o.pageStep = barra->pageStep();
    return barra->style()->subControlRect(QStyle::CC_ScrollBar, &o, cual, barra).center();
}

} // namespace

class PruebaZoom : public QObject {
    Q_OBJECT
private slots:
    void vida_de_la_ventana();
    void curvas_de_distinto_N_conservan_sus_alturas();
    void suma_data();
    void suma();
    void barra_lupas_y_suma();
    void borde_inferior_data();
    void borde_inferior();
};

void PruebaZoom::vida_de_la_ventana() {
    LocalePrueba locale(locale_coma());
    Escena f(false);
    QVERIFY(f->findChildren<FormZoom*>().isEmpty()); // created on first use
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    f->g.valor[4] = 1; // changed after the plot: the read-out follows the current set
    f->Label9->setText(QStringLiteral("x"));
    QPointer<FormZoom> ventana;
    const auto abrir = [&](const std::function<void(FormZoom&)>& operar) {
        QVERIFY(seleccionar(*f, {-0.05, 5}, {0.05, 20}, [&](FormZoom& z) {
            QVERIFY(!ventana || ventana == &z); // hidden, not destroyed, between openings
            ventana = &z;
            QCOMPARE(z.Picture1->figuras(), std::size_t{1});
            operar(z);
            QVERIFY(!z.isVisible());
        }));
        QVERIFY(!f->cajazoom->isVisible());
        QCOMPARE(f->Label8->text(), QString());
    };
    abrir([&](FormZoom& z) {
        QCOMPARE(z.windowTitle(), QStringLiteral("Zoom"));
        QCOMPARE(z.palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(z.barraH->maximum(), 100);
        QCOMPARE(z.barraH->pageStep(), 20);
        // The drawing goes to the clipboard as a picture, replacing its text.
        QGuiApplication::clipboard()->setText(QStringLiteral("antes"));
        QTest::mouseClick(z.Command1, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 z.Picture1->imagen());
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        QTest::mouseClick(z.Command2, Qt::LeftButton);
    });
    abrir([&](FormZoom& z) {
        mover_sobre(z.Picture1, {0.01236, 3});
        QCOMPARE(f->Label8->text(), QStringLiteral("0,0124"));
        const double I = intensidad({5, 1, 10, 0.55}, 0.01236);
        QVERIFY(std::fabs(leer_numero(convertir(f->Label9->text())) - I) <= 0.00005);
        mover_sobre(z.Picture1, {-0.02001, 3});
        QCOMPARE(f->Label8->text(), QStringLiteral("-0,02"));
        QTest::mouseClick(z.Picture1, Qt::LeftButton, {}, QPoint(30, 30));
        QCOMPARE(z.Picture1->figuras(), std::size_t{0});
    });
    // Closing empties the sine and keeps the intensity.
    QVERIFY(!f->Label9->text().isEmpty() && f->Label9->text() != QStringLiteral("x"));
    abrir([&](FormZoom& z) { QTest::mouseClick(&z, Qt::LeftButton, {}, QPoint(1, 100)); });
    // The close box destroys it; the next selection makes a new one.
    abrir([&](FormZoom& z) { z.close(); });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(ventana.isNull());
    abrir([&](FormZoom& z) { z.hide(); });
}

void PruebaZoom::curvas_de_distinto_N_conservan_sus_alturas() {
    Escena f(false);
    graficar(*f, {2, 2, 10, 0.45, 4, 2, 10, 0.65});
    QVERIFY(seleccionar(*f, {-0.06, 0}, {0.06, 20}, [&](FormZoom& z) {
        const QImage img = z.Picture1->imagen();
        const Mancha n2 = mancha(img, a_qcolor(f->g.hist_color[1]).rgb());
        const Mancha n4 = mancha(img, a_qcolor(f->g.hist_color[2]).rgb());
        // Both reach the top at the centre and zero intensity at the same height.
        QVERIFY(std::abs(n2.arriba - n4.arriba) <= 2);
        QVERIFY2(std::abs(n2.abajo - n4.abajo) <= 2,
                 qPrintable(QString::number(n2.abajo - n4.abajo)));
        QVERIFY(n4.abajo > img.height() * 9 / 10);
    }));
}

void PruebaZoom::suma_data() {
    QTest::addColumn<QList<double>>("curvas"); // N, a, d, L per curve
    QTest::addColumn<bool>("habilitado");      // "Ver Suma"
    // A slit distance that is no whole number is redrawn from the d it was
    // plotted with (d = 2 would be another curve).
    QTest::newRow("one curve, d 2.5") << QList<double>{5, 2, 2.5, 0.5} << false;
    QTest::newRow("wavelength only") << QList<double>{5, 2, 10, 0.5, 5, 2, 10, 0.6} << true;
    QTest::newRow("three, wavelength only")
        << QList<double>{5, 2, 10, 0.5, 5, 2, 10, 0.6, 5, 2, 10, 0.7} << true;
    QTest::newRow("slit width") << QList<double>{5, 2, 10, 0.5, 5, 3, 10, 0.5} << false;
    QTest::newRow("slit distance") << QList<double>{5, 2, 10, 0.5, 5, 2, 12, 0.5} << false;
    QTest::newRow("N") << QList<double>{5, 2, 10, 0.5, 6, 2, 10, 0.5} << false;
    QTest::newRow("first pair differs")
        << QList<double>{5, 2, 10, 0.5, 6, 2, 10, 0.5, 6, 2, 10, 0.6} << false;
}

void PruebaZoom::suma() {
    QFETCH(QList<double>, curvas);
    QFETCH(bool, habilitado);
    Escena f(false);
    const std::vector<Caso> casos = graficar(*f, curvas);
    QVERIFY(seleccionar(*f, {0.15, 3}, {0.25, 20}, [&](FormZoom& z) {
        QCOMPARE(z.Command3->isEnabled(), habilitado);
        // Sample j (1..1001) lies at x_ini + (j - 1) * w / 1000; the sum adds the model's curves.
        QVERIFY(z.npuntos == 1001 || z.npuntos == 1000);
        for (int j = 1; j <= 1000; j += 37) {
            const double x = f->g.x_ini + (j - 1) * ((double(f->g.x_fin) - f->g.x_ini) / 1000);
            double esperado = 0;
            for (const Caso& c : casos) {
                esperado += intensidad(c, x);
            }
            QVERIFY2(std::fabs(z.suma[j] - esperado) <= 1e-4 * std::max(1.0, esperado),
                     qPrintable(QStringLiteral("%1: %2 %3").arg(j).arg(z.suma[j]).arg(esperado)));
        }
    }));
}

void PruebaZoom::barra_lupas_y_suma() {
    Escena f(false);
    // "LupaInNo.bmp" is missing: that button keeps the picture it shows.
    const QColor ou_si(10, 200, 10), ou_no(200, 10, 10), in_si(10, 10, 200);
    for (const auto& [nombre, color] :
         {std::pair{"LupaOuSi.bmp", ou_si}, {"LupaOuNo.bmp", ou_no}, {"LupaInSi.bmp", in_si}}) {
        QImage img(16, 16, QImage::Format_RGB32);
        img.fill(color);
        QVERIFY(img.save(f.carpeta.ruta(QString::fromLatin1(nombre)), "BMP"));
    }
    graficar(*f, {5, 2, 10, 0.5, 5, 2, 10, 0.6});
    const Globales& g = f->g;
    const auto negros = [](FormZoom& z) { return mancha(z.Picture1->imagen(), qRgb(0, 0, 0)).n; };
    QVERIFY(seleccionar(*f, {-0.05, 5}, {0.05, 20}, [&](FormZoom& z) {
        const double alto = g.y_fin - g.y_ini;
        QTest::mouseClick(z.Picture2, Qt::LeftButton); // zoom out: twice the range, once
        QVERIFY(!z.alejado);
        QCOMPARE(z.Picture1->escala().height, 2 * alto);
        QVERIFY(std::fabs(z.Picture1->escala().top - (g.y_ini - alto)) < 1e-4);
        QCOMPARE(color_de(z.Picture2), ou_no.rgb());
        QCOMPARE(color_de(z.Picture3), in_si.rgb());

        QCOMPARE(negros(z), 0);
        QTest::mouseClick(z.Command3, Qt::LeftButton); // the sum, in black
        QVERIFY(!z.Command3->isEnabled() && z.suma_visible);
        QVERIFY(negros(z) > z.Picture1->width() / 2);
        QTest::mouseClick(z.Picture3, Qt::LeftButton); // zoom in: curves and sum again
        QCOMPARE(z.Picture1->figuras(), std::size_t{3});
        QCOMPARE(color_de(z.Picture2), ou_si.rgb());
        QTest::mouseClick(z.Picture2, Qt::LeftButton);

        // An arrow moves the selection by the small step; the magnifiers
        // reset and the curves are redrawn without the sum.
        const int antes = z.barraH->value();
        const float w = g.x_fin - g.x_ini;
        const double R = g.seno_max - g.seno_min;
        QCOMPARE(z.barraH->singleStep(), 3); // 1 + 20 * 0.1 / (1.029 - 0.1)
        const int caja_antes = f->cajazoom->x();
        QTest::mouseClick(z.barraH, Qt::LeftButton, {},
                          parte(z.barraH, QStyle::SC_ScrollBarAddLine));
        QCOMPARE(z.barraH->value(), antes + 3);
        QVERIFY(std::fabs(g.x_ini - (g.seno_min + (R - w) * z.barraH->value() / 100)) < 1e-6);
        QVERIFY(std::fabs((g.x_fin - g.x_ini) - w) < 1e-6);
        QVERIFY(f->cajazoom->x() > caja_antes);
        QVERIFY(std::abs(f->cajazoom->x() - f->Picture1->a_pixel({g.x_ini, 0}).x()) <= 1);
        QCOMPARE(z.Picture1->escala().height, alto);
        QCOMPARE(color_de(z.Picture2), ou_si.rgb());
        QCOMPARE(color_de(z.Picture3), in_si.rgb());
        QVERIFY(!z.suma_visible && z.Command3->isEnabled());
        QCOMPARE(negros(z), 0);

        // Dragging the thumb only moves `cajazoom`; the drawing follows on release.
        const QImage dibujo = z.Picture1->imagen();
        const int valor = z.barraH->value();
        const int caja = f->cajazoom->x();
        const QPoint p = parte(z.barraH, QStyle::SC_ScrollBarSlider);
        const QPoint q = p + QPoint(z.barraH->width() / 4, 0);
        QTest::mousePress(z.barraH, Qt::LeftButton, {}, p);
        QTest::mouseMove(z.barraH, q);
        QCOMPARE(z.barraH->value(), valor);
        QVERIFY(f->cajazoom->x() > caja + 20);
        QCOMPARE(z.Picture1->imagen(), dibujo);
        QTest::mouseRelease(z.barraH, Qt::LeftButton, {}, q);
        QVERIFY(z.barraH->value() > valor);
        QVERIFY(z.Picture1->imagen() != dibujo);

        // Against the end: the selection keeps its width and stops at the range's end.
        QTest::keyClick(z.barraH, Qt::Key_End);
        QCOMPARE(z.barraH->value(), 100);
        QVERIFY(std::fabs(g.x_fin - g.seno_max) < 1e-6);
    }));
}

void PruebaZoom::borde_inferior_data() {
    QTest::addColumn<int>("fila"); // pixels below the graph's bottom edge
    QTest::addColumn<float>("y_fin");
    QTest::addColumn<double>("abajo");
    // Below the graph: 0.995 N² on release. On the edge itself (y = N² = 25):
    // kept on release, then given the margin 1.02 N² by the zoom window.
    QTest::newRow("below") << 40 << 0.995F * 25 << 0.995 * 25;
    QTest::newRow("on the edge") << 0 << 25.5F << 25.5;
}

void PruebaZoom::borde_inferior() {
    QFETCH(int, fila);
    QFETCH(float, y_fin);
    QFETCH(double, abajo);
    Escena f;
    const double Y = f->Picture1->a_usuario(QPoint(0, f->Picture1->height() + fila)).y();
    QVERIFY(seleccionar(*f, {-0.05, 5}, {0.05, Y}, [&](FormZoom& z) {
        QCOMPARE(f->g.y_fin, y_fin);
        const Escala& e = z.Picture1->escala();
        QVERIFY(std::fabs(e.top + e.height - abajo) < 1e-5);
    }));
}

QTEST_MAIN(PruebaZoom)
#include "tst_zoom.moc"
