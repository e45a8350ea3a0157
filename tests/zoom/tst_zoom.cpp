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

void graficar(Form1& f, const Caso& c) {
    f.g.valor[3] = c.N;
    f.g.valor[4] = Fijo::desde(c.a);
    f.g.valor[5] = Fijo::desde(c.d);
    f.g.valor[6] = Fijo::desde(c.L);
    QTest::mouseClick(f.Command1, Qt::LeftButton);
}

// The sine of sample j (1..1001) of the drawing.
double seno_muestra(const Globales& g, int j) {
    return g.x_ini + (j - 1) * ((static_cast<double>(g.x_fin) - g.x_ini) / 1000);
}

double intensidad(const Caso& c, double seno) {
    return Intens(Fijo::desde(c.L), Fijo::desde(c.a), Fijo::desde(c.d), c.N, seno);
}

// Topmost and lowest pixel row where colour `c` shows.
std::pair<int, int> filas_de(const QImage& img, Color c) {
    const QRgb buscado = a_qcolor(c).rgb();
    int arriba = img.height(), abajo = -1;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (img.pixel(x, y) == buscado) {
                arriba = std::min(arriba, y);
                abajo = std::max(abajo, y);
            }
        }
    }
    return {arriba, abajo};
}

int pixeles_de(const QImage& img, QRgb c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            n += img.pixel(x, y) == c;
        }
    }
    return n;
}

void escribir_bmp(const CarpetaTrabajo& carpeta, const QString& nombre, QColor color) {
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(color);
    QVERIFY(img.save(carpeta.ruta(nombre), "BMP"));
}

QRgb color_de(PictureBox* p) {
    return p->imagen_fondo().pixel(8, 8);
}

// A part of the bar (thumb, arrows), in its own pixels.
QPoint parte(QScrollBar* barra, QStyle::SubControl cual) {
    QStyleOptionSlider opcion;
    opcion.initFrom(barra);
    opcion.subControls = QStyle::SC_All;
    opcion.orientation = Qt::Horizontal;
    opcion.state |= QStyle::State_Horizontal;
    opcion.minimum = barra->minimum();
    opcion.maximum = barra->maximum();
    opcion.sliderPosition = barra->sliderPosition();
    opcion.sliderValue = barra->value();
    opcion.singleStep = barra->singleStep();
    opcion.pageStep = barra->pageStep();
    return barra->style()->subControlRect(QStyle::CC_ScrollBar, &opcion, cual, barra).center();
}

} // namespace

class PruebaZoom : public QObject {
    Q_OBJECT
private slots:
    void vida_de_la_ventana();
    void curvas_de_distinto_N_conservan_sus_alturas();
    void ver_suma_data();
    void ver_suma();
    void muestras_del_modelo_data();
    void muestras_del_modelo();
    void barra_lupas_y_suma();
    void arrastrar_el_pulgar_solo_mueve_cajazoom();
    void lectura_con_los_parametros_actuales();
    void borde_inferior_data();
    void borde_inferior();
};

void PruebaZoom::vida_de_la_ventana() {
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    QVERIFY(f->findChildren<FormZoom*>().isEmpty()); // created on first use
    graficar(*f, {5, 2, 10, 0.55});
    QPointer<FormZoom> ventana;
    const auto abrir = [&](const std::function<void(FormZoom&)>& operar) {
        QVERIFY(seleccionar(*f, {-0.05, 5}, {0.05, 20}, [&](FormZoom& z) {
            QVERIFY(!ventana || ventana == &z); // hidden, not destroyed, between openings
            ventana = &z;
            QVERIFY(f->cajazoom->isVisible());
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
        QVERIFY(!z.Command3->isEnabled()); // one curve
        // The drawing goes to the clipboard as a picture, replacing its text.
        QGuiApplication::clipboard()->setText(QStringLiteral("antes"));
        QTest::mouseClick(z.Command1, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 z.Picture1->imagen());
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        QTest::mouseClick(z.Command2, Qt::LeftButton);
    });
    abrir([&](FormZoom& z) {
        mover_sobre(z.Picture1, {0.01, 10});
        QVERIFY(!f->Label8->text().isEmpty());
        QTest::mouseClick(z.Picture1, Qt::LeftButton, {}, QPoint(30, 30));
        QCOMPARE(z.Picture1->figuras(), std::size_t{0});
    });
    abrir([&](FormZoom& z) { QTest::mouseClick(&z, Qt::LeftButton, {}, QPoint(1, 100)); });
    // The close box destroys it; the next selection makes a new one.
    abrir([&](FormZoom& z) { z.close(); });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(ventana.isNull());
    abrir([&](FormZoom& z) { z.hide(); });
}

void PruebaZoom::curvas_de_distinto_N_conservan_sus_alturas() {
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    graficar(*f, {2, 2, 10, 0.45});
    graficar(*f, {4, 2, 10, 0.65});
    QVERIFY(seleccionar(*f, {-0.06, 0}, {0.06, 20}, [&](FormZoom& z) {
        const QImage img = z.Picture1->imagen();
        const auto [arriba2, abajo2] = filas_de(img, f->g.hist_color[1]);
        const auto [arriba4, abajo4] = filas_de(img, f->g.hist_color[2]);
        // Both reach the top at the centre and zero intensity at the same height.
        QVERIFY(std::abs(arriba2 - arriba4) <= 2);
        QVERIFY2(std::abs(abajo2 - abajo4) <= 2, qPrintable(QString::number(abajo2 - abajo4)));
        QVERIFY(abajo4 > img.height() * 9 / 10);
    }));
}

void PruebaZoom::ver_suma_data() {
    QTest::addColumn<QList<double>>("curvas"); // N, a, d, L per curve
    QTest::addColumn<bool>("habilitado");
    QTest::newRow("one curve") << QList<double>{5, 2, 10, 0.5} << false;
    QTest::newRow("wavelength only") << QList<double>{5, 2, 10, 0.5, 5, 2, 10, 0.6} << true;
    QTest::newRow("three, wavelength only")
        << QList<double>{5, 2, 10, 0.5, 5, 2, 10, 0.6, 5, 2, 10, 0.7} << true;
    QTest::newRow("slit width") << QList<double>{5, 2, 10, 0.5, 5, 3, 10, 0.5} << false;
    QTest::newRow("slit distance") << QList<double>{5, 2, 10, 0.5, 5, 2, 12, 0.5} << false;
    QTest::newRow("N") << QList<double>{5, 2, 10, 0.5, 6, 2, 10, 0.5} << false;
    QTest::newRow("first pair differs")
        << QList<double>{5, 2, 10, 0.5, 6, 2, 10, 0.5, 6, 2, 10, 0.6} << false;
}

void PruebaZoom::ver_suma() {
    QFETCH(QList<double>, curvas);
    QFETCH(bool, habilitado);
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    for (qsizetype i = 0; i < curvas.size(); i += 4) {
        graficar(*f, {int(curvas[i]), curvas[i + 1], curvas[i + 2], curvas[i + 3]});
    }
    QVERIFY(seleccionar(*f, {-0.05, 5}, {0.05, 20},
                        [&](FormZoom& z) { QCOMPARE(z.Command3->isEnabled(), habilitado); }));
}

void PruebaZoom::muestras_del_modelo_data() {
    QTest::addColumn<QList<double>>("curvas");
    QTest::addColumn<double>("desde");
    // The sum of two wavelengths; a slit distance that is no whole number,
    // redrawn from the d it was plotted with (d = 2 would be another curve).
    QTest::newRow("sum") << QList<double>{5, 2, 10, 0.5, 5, 2, 10, 0.6} << -0.05;
    QTest::newRow("d 2.5") << QList<double>{5, 2, 2.5, 0.5} << 0.15;
}

void PruebaZoom::muestras_del_modelo() {
    QFETCH(QList<double>, curvas);
    QFETCH(double, desde);
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    std::vector<Caso> casos;
    for (qsizetype i = 0; i < curvas.size(); i += 4) {
        casos.push_back({int(curvas[i]), curvas[i + 1], curvas[i + 2], curvas[i + 3]});
        graficar(*f, casos.back());
    }
    QVERIFY(seleccionar(*f, {desde, 3}, {desde + 0.1, 20}, [&](FormZoom& z) {
        QVERIFY(z.npuntos == 1001 || z.npuntos == 1000);
        for (int j = 1; j <= 1000; j += 37) {
            const double x = seno_muestra(f->g, j);
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
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    // "LupaInNo.bmp" is missing: that button keeps the picture it shows.
    const QColor ou_si(10, 200, 10), ou_no(200, 10, 10), in_si(10, 10, 200);
    escribir_bmp(carpeta, QStringLiteral("LupaOuSi.bmp"), ou_si);
    escribir_bmp(carpeta, QStringLiteral("LupaOuNo.bmp"), ou_no);
    escribir_bmp(carpeta, QStringLiteral("LupaInSi.bmp"), in_si);
    auto f = abrir_form1();
    graficar(*f, {5, 2, 10, 0.5});
    graficar(*f, {5, 2, 10, 0.6});
    const Globales& g = f->g;
    const QRgb negro = qRgb(0, 0, 0);
    QVERIFY(seleccionar(*f, {-0.05, 5}, {0.05, 20}, [&](FormZoom& z) {
        const double alto = g.y_fin - g.y_ini;
        QTest::mouseClick(z.Picture2, Qt::LeftButton); // zoom out: twice the range, once
        QVERIFY(!z.alejado);
        QCOMPARE(z.Picture1->escala().height, 2 * alto);
        QVERIFY(std::fabs(z.Picture1->escala().top - (g.y_ini - alto)) < 1e-4);
        QCOMPARE(color_de(z.Picture2), ou_no.rgb());
        QCOMPARE(color_de(z.Picture3), in_si.rgb());

        QCOMPARE(pixeles_de(z.Picture1->imagen(), negro), 0);
        QTest::mouseClick(z.Command3, Qt::LeftButton); // the sum, in black
        QVERIFY(!z.Command3->isEnabled() && z.suma_visible);
        QVERIFY(pixeles_de(z.Picture1->imagen(), negro) > z.Picture1->width() / 2);
        QTest::mouseClick(z.Picture3, Qt::LeftButton); // zoom in: curves and sum again
        QCOMPARE(z.Picture1->figuras(), std::size_t{3});
        QCOMPARE(color_de(z.Picture2), ou_si.rgb());
        QTest::mouseClick(z.Picture2, Qt::LeftButton);

        // An arrow moves the selection by the small step; the magnifiers reset
        // and the curves are redrawn without the sum.
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
        QCOMPARE(pixeles_de(z.Picture1->imagen(), negro), 0);

        // Against the end: the selection keeps its width and stops at the range's end.
        QTest::keyClick(z.barraH, Qt::Key_End);
        QCOMPARE(z.barraH->value(), 100);
        QVERIFY(std::fabs(g.x_fin - g.seno_max) < 1e-6);
    }));
}

void PruebaZoom::arrastrar_el_pulgar_solo_mueve_cajazoom() {
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    graficar(*f, {5, 2, 10, 0.55});
    QVERIFY(seleccionar(*f, {-0.45, 5}, {-0.35, 20}, [&](FormZoom& z) {
        const QImage dibujo = z.Picture1->imagen();
        const int valor = z.barraH->value();
        const int caja = f->cajazoom->x();
        const QPoint p = parte(z.barraH, QStyle::SC_ScrollBarSlider);
        const QPoint q = p + QPoint(z.barraH->width() / 3, 0);
        QTest::mousePress(z.barraH, Qt::LeftButton, {}, p);
        QTest::mouseMove(z.barraH, q);
        QCOMPARE(z.barraH->value(), valor);
        QVERIFY(f->cajazoom->x() > caja + 20);
        QCOMPARE(z.Picture1->imagen(), dibujo);
        QTest::mouseRelease(z.barraH, Qt::LeftButton, {}, q);
        QVERIFY(z.barraH->value() > valor);
        QVERIFY(z.Picture1->imagen() != dibujo);
    }));
}

void PruebaZoom::lectura_con_los_parametros_actuales() {
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    LocalePrueba locale(locale_coma());
    auto f = abrir_form1();
    graficar(*f, {5, 2, 10, 0.55});
    f->g.valor[4] = 1; // changed after the plot: the read-out follows the current set
    f->Label9->setText(QStringLiteral("x"));
    QVERIFY(seleccionar(*f, {-0.05, 5}, {0.05, 20}, [&](FormZoom& z) {
        mover_sobre(z.Picture1, {0.01236, 3});
        QCOMPARE(f->Label8->text(), QStringLiteral("0,0124"));
        const double I = intensidad({5, 1, 10, 0.55}, 0.01236);
        QVERIFY(std::fabs(leer_numero(convertir(f->Label9->text())) - I) <= 0.00005);
        mover_sobre(z.Picture1, {-0.02001, 3});
        QCOMPARE(f->Label8->text(), QStringLiteral("-0,02"));
    }));
    // Closing empties the sine and keeps the intensity.
    QCOMPARE(f->Label8->text(), QString());
    QVERIFY(!f->Label9->text().isEmpty() && f->Label9->text() != QStringLiteral("x"));
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
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    graficar(*f, {5, 2, 10, 0.55});
    const QPoint a = pixel_de(f->Picture1, {-0.05, 5});
    const QPoint b(pixel_de(f->Picture1, {0.05, 5}).x(), f->Picture1->height() + fila);
    bool abierto = false;
    set_manejador_modal([&](QWidget* w) {
        abierto = true;
        const Escala& e = qobject_cast<FormZoom*>(w)->Picture1->escala();
        QCOMPARE(f->g.y_fin, y_fin);
        QVERIFY(std::fabs(e.top + e.height - abajo) < 1e-5);
    });
    QTest::mousePress(f->Picture1, Qt::LeftButton, {}, a);
    QTest::mouseMove(f->Picture1, b);
    QTest::mouseRelease(f->Picture1, Qt::LeftButton, {}, b);
    set_manejador_modal(nullptr);
    QVERIFY(abierto);
}

QTEST_MAIN(PruebaZoom)
#include "tst_zoom.moc"
