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
    void ventana_creada_al_primer_uso_y_oculta_por_cerrar();
    void el_cuadro_de_cierre_la_destruye();
    void clic_en_el_dibujo_o_en_la_ventana_la_oculta();
    void curvas_de_distinto_N_conservan_sus_alturas();
    void ver_suma_data();
    void ver_suma();
    void la_suma_es_la_suma();
    void barra_mueve_la_seleccion_y_repone_las_lupas();
    void arrastrar_el_pulgar_solo_mueve_cajazoom();
    void lectura_con_los_parametros_actuales();
    void distancia_no_entera_como_en_la_grafica();
    void fondo_de_la_grafica_con_margen();
    void copiar_al_portapapeles();
};

void PruebaZoom::ventana_creada_al_primer_uso_y_oculta_por_cerrar() {
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    QVERIFY(f->findChildren<FormZoom*>().isEmpty());
    graficar(*f, {5, 2, 10, 0.55});
    FormZoom* primera = nullptr;
    QVERIFY(seleccionar(*f, {-0.05, 5}, {0.05, 20}, [&](FormZoom& z) {
        primera = &z;
        QCOMPARE(z.windowTitle(), QStringLiteral("Zoom"));
        QCOMPARE(z.palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(z.Command1->text(), QStringLiteral("Copiar al Portapapeles"));
        QCOMPARE(z.Command3->text(), QStringLiteral("Ver Suma"));
        QCOMPARE(z.Command2->text(), QStringLiteral("Cerrar"));
        QCOMPARE(z.barraH->minimum(), 0);
        QCOMPARE(z.barraH->maximum(), 100);
        QCOMPARE(z.barraH->pageStep(), 20);
        // The designed places: drawing, bar under it, then the row of buttons.
        const QRect dibujo = z.Picture1->geometry();
        QVERIFY(z.barraH->geometry().top() >= dibujo.bottom());
        QVERIFY(std::fabs(double(z.Command1->width()) / dibujo.width() - 2295.0 / 5415) < 0.02);
        QWidget* fila[] = {z.Command1, z.Command3, z.Picture2, z.Picture3, z.Command2};
        for (int i = 1; i < 5; ++i) {
            QVERIFY(fila[i]->x() > fila[i - 1]->geometry().right());
            QCOMPARE(fila[i]->y(), z.Command1->y());
        }
        QVERIFY(!z.Picture2->imagen_fondo().isNull() && !z.Picture3->imagen_fondo().isNull());
        QCOMPARE(z.Picture1->figuras(), std::size_t{1});
        QVERIFY(!z.Command3->isEnabled()); // one curve
        QTest::mouseClick(z.Command2, Qt::LeftButton);
        QVERIFY(!z.isVisible());
    }));
    QCOMPARE(f->findChildren<FormZoom*>().size(), 1);
    QVERIFY(seleccionar(*f, {-0.2, 5}, {0.0, 20}, [&](FormZoom& z) {
        QCOMPARE(&z, primera); // hidden, not destroyed
        QCOMPARE(z.Picture1->figuras(), std::size_t{1});
    }));
}

void PruebaZoom::el_cuadro_de_cierre_la_destruye() {
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    graficar(*f, {5, 2, 10, 0.55});
    QPointer<FormZoom> ventana;
    QVERIFY(seleccionar(*f, {-0.05, 5}, {0.05, 20}, [&](FormZoom& z) {
        ventana = &z;
        z.close();
    }));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(ventana.isNull());
    QVERIFY(!f->cajazoom->isVisible());
    QVERIFY(seleccionar(*f, {-0.05, 5}, {0.05, 20},
                        [&](FormZoom& z) { QCOMPARE(z.Picture1->figuras(), std::size_t{1}); }));
}

void PruebaZoom::clic_en_el_dibujo_o_en_la_ventana_la_oculta() {
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    graficar(*f, {5, 2, 10, 0.55});
    QVERIFY(seleccionar(*f, {-0.05, 5}, {0.05, 20}, [&](FormZoom& z) {
        QVERIFY(f->cajazoom->isVisible());
        mover_sobre(z.Picture1, {0.01, 10});
        QVERIFY(!f->Label8->text().isEmpty());
        QTest::mouseClick(z.Picture1, Qt::LeftButton, {}, QPoint(30, 30));
        QVERIFY(!z.isVisible());
        QCOMPARE(z.Picture1->figuras(), std::size_t{0});
        QCOMPARE(f->Label8->text(), QString());
        QVERIFY(!f->cajazoom->isVisible());
    }));
    QVERIFY(seleccionar(*f, {-0.05, 5}, {0.05, 20}, [&](FormZoom& z) {
        QTest::mouseClick(&z, Qt::LeftButton, {}, QPoint(1, z.height() / 2));
        QVERIFY(!z.isVisible());
    }));
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
        QVERIFY(abajo2 > 0 && abajo4 > 0);
        // Both reach the top at the centre and zero intensity at the same height.
        QVERIFY(std::abs(arriba2 - arriba4) <= 2);
        QVERIFY2(std::abs(abajo2 - abajo4) <= 2,
                 qPrintable(QStringLiteral("%1 %2").arg(abajo2).arg(abajo4)));
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

void PruebaZoom::la_suma_es_la_suma() {
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    const Caso uno{5, 2, 10, 0.5}, dos{5, 2, 10, 0.6};
    graficar(*f, uno);
    graficar(*f, dos);
    QVERIFY(seleccionar(*f, {-0.05, 5}, {0.05, 20}, [&](FormZoom& z) {
        const Globales& g = f->g;
        QVERIFY(z.npuntos == 1001 || z.npuntos == 1000);
        for (int j : {1, 137, 500, 1000}) {
            const double x = seno_muestra(g, j);
            const double esperado = intensidad(uno, x) + intensidad(dos, x);
            QVERIFY2(std::fabs(z.suma[j] - esperado) <= 1e-4 * std::max(1.0, esperado),
                     qPrintable(QStringLiteral("%1: %2 %3").arg(j).arg(z.suma[j]).arg(esperado)));
        }
        const QRgb negro = qRgb(0, 0, 0);
        QCOMPARE(pixeles_de(z.Picture1->imagen(), negro), 0);
        QTest::mouseClick(z.Command3, Qt::LeftButton);
        QVERIFY(!z.Command3->isEnabled());
        QVERIFY(z.suma_visible);
        QVERIFY(pixeles_de(z.Picture1->imagen(), negro) > z.Picture1->width() / 2);
    }));
}

void PruebaZoom::barra_mueve_la_seleccion_y_repone_las_lupas() {
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
    QVERIFY(seleccionar(*f, {-0.05, 5}, {0.05, 20}, [&](FormZoom& z) {
        const double alto = g.y_fin - g.y_ini;
        QTest::mouseClick(z.Picture2, Qt::LeftButton); // zoom out: twice the range, once
        QVERIFY(!z.alejado);
        QCOMPARE(z.Picture1->escala().height, 2 * alto);
        QVERIFY(std::fabs(z.Picture1->escala().top - (g.y_ini - alto)) < 1e-4);
        QCOMPARE(color_de(z.Picture2), ou_no.rgb());
        QCOMPARE(color_de(z.Picture3), in_si.rgb());

        QTest::mouseClick(z.Command3, Qt::LeftButton);
        QTest::mouseClick(z.Picture3, Qt::LeftButton); // zoom in: curves and sum again
        QVERIFY(z.suma_visible);
        QVERIFY(pixeles_de(z.Picture1->imagen(), qRgb(0, 0, 0)) > 0);
        QCOMPARE(z.Picture1->figuras(), std::size_t{3});
        QCOMPARE(color_de(z.Picture2), ou_si.rgb());
        QCOMPARE(color_de(z.Picture3), in_si.rgb());
        QTest::mouseClick(z.Picture2, Qt::LeftButton);
        QCOMPARE(color_de(z.Picture2), ou_no.rgb());

        const int antes = z.barraH->value();
        const float w = g.x_fin - g.x_ini;
        const double R = g.seno_max - g.seno_min;
        QCOMPARE(z.barraH->singleStep(), int(std::lround(1 + 20 * w / (R - w))));
        const int caja_antes = f->cajazoom->x();
        QTest::mouseClick(z.barraH, Qt::LeftButton, {},
                          parte(z.barraH, QStyle::SC_ScrollBarAddLine));
        QCOMPARE(z.barraH->value(), antes + z.barraH->singleStep());
        QVERIFY(std::fabs(g.x_ini - (g.seno_min + (R - w) * z.barraH->value() / 100)) < 1e-6);
        QVERIFY(std::fabs((g.x_fin - g.x_ini) - w) < 1e-6);
        QVERIFY(f->cajazoom->x() > caja_antes);
        QVERIFY(std::abs(f->cajazoom->x() - f->Picture1->a_pixel({g.x_ini, 0}).x()) <= 1);
        QCOMPARE(z.Picture1->escala().height, alto);
        QCOMPARE(color_de(z.Picture2), ou_si.rgb());
        QCOMPARE(color_de(z.Picture3), in_si.rgb());
        // The curves only, and the sum can be asked for again.
        QVERIFY(!z.suma_visible);
        QVERIFY(z.Command3->isEnabled());
        QCOMPARE(pixeles_de(z.Picture1->imagen(), qRgb(0, 0, 0)), 0);
        QCOMPARE(z.Picture1->figuras(), std::size_t{2});

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
        QTest::mousePress(z.barraH, Qt::LeftButton, {}, p);
        QTest::mouseMove(z.barraH, p + QPoint(z.barraH->width() / 3, 0));
        QVERIFY(z.barraH->sliderPosition() > valor);
        QCOMPARE(z.barraH->value(), valor);
        QVERIFY(f->cajazoom->x() > caja + 20);
        QCOMPARE(z.Picture1->imagen(), dibujo);
        QTest::mouseRelease(z.barraH, Qt::LeftButton, {}, p + QPoint(z.barraH->width() / 3, 0));
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
    // A value changed after the plot: the read-out follows the current set.
    f->g.valor[4] = 1;
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

void PruebaZoom::distancia_no_entera_como_en_la_grafica() {
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    const Caso caso{5, 2, 2.5, 0.5};
    graficar(*f, caso);
    QVERIFY(seleccionar(*f, {0.15, 3}, {0.25, 20}, [&](FormZoom& z) {
        int distintas = 0;
        for (int j = 1; j <= 1000; j += 37) {
            const double x = seno_muestra(f->g, j);
            const double esperado = intensidad(caso, x);
            QVERIFY(std::fabs(z.suma[j] - esperado) <= 1e-4 * std::max(1.0, esperado));
            distintas += std::fabs(esperado - intensidad({5, 2, 2, 0.5}, x)) > 0.1;
        }
        QVERIFY(distintas > 10); // d = 2 would be another curve
    }));
}

void PruebaZoom::fondo_de_la_grafica_con_margen() {
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    graficar(*f, {5, 2, 10, 0.55});
    // Released on the bottom edge itself (y = N² = 25): kept by the graph, then
    // given the margin 1.02 N² by the zoom window.
    const QPoint a = pixel_de(f->Picture1, {-0.05, 5});
    const QPoint b(pixel_de(f->Picture1, {0.05, 5}).x(), f->Picture1->height());
    bool abierto = false;
    set_manejador_modal([&](QWidget* w) {
        abierto = true;
        auto* z = qobject_cast<FormZoom*>(w);
        QCOMPARE(f->g.y_fin, 25.5F);
        QCOMPARE(z->Picture1->escala().top + z->Picture1->escala().height, 25.5);
    });
    QTest::mousePress(f->Picture1, Qt::LeftButton, {}, a);
    QTest::mouseMove(f->Picture1, b);
    QTest::mouseRelease(f->Picture1, Qt::LeftButton, {}, b);
    set_manejador_modal(nullptr);
    QVERIFY(abierto);
}

void PruebaZoom::copiar_al_portapapeles() {
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    graficar(*f, {5, 2, 10, 0.55});
    QGuiApplication::clipboard()->setText(QStringLiteral("antes"));
    QVERIFY(seleccionar(*f, {-0.05, 5}, {0.05, 20}, [&](FormZoom& z) {
        QTest::mouseClick(z.Command1, Qt::LeftButton);
        const QImage copia = QGuiApplication::clipboard()->image();
        const QImage dibujo = z.Picture1->imagen();
        QCOMPARE(copia.size(), dibujo.size());
        QCOMPARE(copia.convertToFormat(QImage::Format_RGB32), dibujo);
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    }));
}

QTEST_MAIN(PruebaZoom)
#include "tst_zoom.moc"
