#include "main/form1.h"
#include "main/texto.h"
#include "model/intens.h"
#include "tests/common/entorno.h"
#include "tests/common/raton.h"
#include "tests/common/varias.h"
#include "tests/screen/puntero.h"
#include "toolkit/forma.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <cmath>

namespace {

// The start-up case (N 5, a 2, d 10, L 0.55 over sines -0.5145..0.5145) plotted.
std::unique_ptr<Form1> con_una_curva() {
    auto f = abrir_form1();
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    return f;
}

double leido(const QLabel* l) {
    return leer_numero(convertir(l->text()));
}

int decimales(const QString& texto) {
    const int coma = std::max(texto.indexOf(QLatin1Char('.')), texto.indexOf(QLatin1Char(',')));
    return coma < 0 ? 0 : static_cast<int>(texto.size()) - coma - 1;
}

// Label9 shows I * a² of the start-up case at `seno`, to four decimals.
void comprobar_intensidad(const QLabel* l, double seno) {
    const double esperado = Intens(Fijo::desde(0.55), 2, 10, 5, seno) * 4;
    QVERIFY2(std::fabs(leido(l) - esperado) <= 0.00005, qPrintable(l->text()));
    QVERIFY(decimales(l->text()) <= 4);
}

} // namespace

void PruebaLecturas::sobre_la_grafica_data() {
    QTest::addColumn<double>("X");
    QTest::addColumn<QString>("punto");
    QTest::addColumn<QString>("coma");
    // Int(X * 1000 + 0.005 * Sgn(X)) / 1000: down for positive sines, and for
    // negative ones the term pushes below, so -0.2503 reads -0.251.
    QTest::newRow("0.2503") << 0.2503 << "0.25"
                            << "0,25";
    QTest::newRow("-0.2503") << -0.2503 << "-0.251"
                             << "-0,251";
    QTest::newRow("0.12399") << 0.12399 << "0.123"
                             << "0,123";
    QTest::newRow("0.123996") << 0.123996 << "0.124"
                              << "0,124";
    QTest::newRow("-0.0004") << -0.0004 << "-0.001"
                             << "-0,001";
    QTest::newRow("0.0004") << 0.0004 << "0"
                            << "0";
    QTest::newRow("0.11 (maximum)") << 0.11 << "0.11"
                                    << "0,11";
}

void PruebaLecturas::sobre_la_grafica() {
    QFETCH(double, X);
    QFETCH(QString, punto);
    QFETCH(QString, coma);
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    for (bool con_coma : {false, true}) {
        LocalePrueba locale(con_coma ? locale_coma() : locale_punto());
        auto f = con_una_curva();
        mover_sobre(f->Picture1, {X, 10});
        QCOMPARE(f->Label8->text(), con_coma ? coma : punto);
        comprobar_intensidad(f->Label9, X);
        if (con_coma && decimales(f->Label9->text()) > 0) {
            QVERIFY(f->Label9->text().contains(QLatin1Char(',')));
        }
    }
}

void PruebaLecturas::sobre_el_sector_data() {
    QTest::addColumn<double>("seno");
    QTest::addColumn<double>("X");
    QTest::addColumn<QString>("esperado");
    // The term's sign is that of the horizontal position: 0 on the left edge.
    QTest::newRow("-0.250003 inside") << -0.250003 << 3.0 << "-0.25";
    QTest::newRow("-0.250003 left edge") << -0.250003 << 0.0 << "-0.251";
    QTest::newRow("0.3") << 0.3 << 3.0 << "0.3";
    QTest::newRow("0.4 right edge") << 0.4 << 6.0 << "0.4";
}

void PruebaLecturas::sobre_el_sector() {
    QFETCH(double, seno);
    QFETCH(double, X);
    QFETCH(QString, esperado);
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    LocalePrueba locale(locale_punto());
    auto f = con_una_curva();
    const double Y = seno / std::sqrt(1 - seno * seno); // a screen position
    mover_sobre(f->Picture2, {X, Y});
    QCOMPARE(f->Label8->text(), esperado);
    comprobar_intensidad(f->Label9, seno);
}

void PruebaLecturas::sin_curvas_no_lee_y_el_fondo_vacia() {
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    f->Label8->setText(QStringLiteral("antes"));
    f->Label9->setText(QStringLiteral("antes"));
    mover_raton(f->Picture1, QPointF(20, 20));
    mover_raton(f->Picture2, QPointF(10, 20));
    QCOMPARE(f->Label8->text(), QStringLiteral("antes"));
    QCOMPARE(f->Label9->text(), QStringLiteral("antes"));
    mover_raton(f->superficie, QPointF(100, 300));
    QCOMPARE(f->Label8->text(), QString());
    QCOMPARE(f->Label9->text(), QString());
}

void PruebaLecturas::fuera_del_rango_del_seno() {
    // A drag can take the pointer past the graph, where X is no sine at all.
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = con_una_curva();
    set_manejador_modal([](QWidget*) {});
    const QPoint inicio = pixel_de(f->Picture1, {0.3, 10});
    QTest::mousePress(f->Picture1, Qt::LeftButton, {}, inicio);
    for (double X : {1.2, -1.5}) {
        QTest::mouseMove(f->Picture1, pixel_de(f->Picture1, {X, 10}));
        QCOMPARE(f->Label8->text(), QString());
        QCOMPARE(f->Label9->text(), QString());
    }
    QTest::mouseMove(f->Picture1, pixel_de(f->Picture1, {0.4, 12}));
    QVERIFY(!f->Label8->text().isEmpty());
    QVERIFY(!f->Label9->text().contains(QStringLiteral("nan"), Qt::CaseInsensitive));
    QTest::mouseRelease(f->Picture1, Qt::LeftButton, {}, pixel_de(f->Picture1, {0.4, 12}));
    set_manejador_modal(nullptr);
}

void PruebaSeleccion::la_banda_no_marca_la_grafica() {
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = con_una_curva();
    const QImage antes = f->Picture1->imagen();
    const std::size_t figuras = f->Picture1->figuras();
    const QPoint a = pixel_de(f->Picture1, {-0.2, 5});
    QTest::mousePress(f->Picture1, Qt::LeftButton, {}, a);
    QTest::mouseMove(f->Picture1, a + QPoint(120, 150));
    QTest::mouseMove(f->Picture1, a + QPoint(60, 80));
    QCOMPARE(f->Picture1->imagen(), antes);
    QCOMPARE(f->Picture1->figuras(), figuras);
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

void PruebaSeleccion::abre_el_zoom_data() {
    QTest::addColumn<QPointF>("desde");
    QTest::addColumn<QPointF>("hasta");
    QTest::newRow("down right") << QPointF(-0.05, 5) << QPointF(0.05, 20);
    QTest::newRow("up left") << QPointF(0.05, 20) << QPointF(-0.05, 5);
    QTest::newRow("down left") << QPointF(0.05, 5) << QPointF(-0.05, 20);
}

void PruebaSeleccion::abre_el_zoom() {
    QFETCH(QPointF, desde);
    QFETCH(QPointF, hasta);
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = con_una_curva();
    const Globales& g = f->g;
    // The corners as the pointer gives them, whole pixels apart.
    const auto x_de = [&](QPointF u) {
        return static_cast<float>(f->Picture1->a_usuario(pixel_de(f->Picture1, u)).x());
    };
    const float w = std::fabs(x_de(hasta) - x_de(desde));
    bool visto = false;
    const bool abierto = seleccionar(*f, desde, hasta, [&](FormZoom& z) {
        visto = z.isVisible() && f->cajazoom->isVisible();
        // Position 100 * (x_ini - seno_min) / (R - w) is 50 here; the selection
        // then starts exactly at the bar's position 50.
        QCOMPARE(z.barraH->value(), 50);
        const double R = g.seno_max - g.seno_min;
        QVERIFY(std::fabs(g.x_ini - (g.seno_min + (R - w) * 0.5)) < 1e-6);
        QVERIFY(std::fabs((g.x_fin - g.x_ini) - w) < 1e-6);
        QVERIFY(g.y_ini < g.y_fin);
        QVERIFY(std::fabs(g.y_ini - 5) < 0.1 && std::fabs(g.y_fin - 20) < 0.1);
        const QPointF arriba = f->Picture1->a_pixel({g.x_ini, g.y_ini});
        const QPointF abajo = f->Picture1->a_pixel({g.x_fin, g.y_fin});
        const QRect caja = f->cajazoom->geometry();
        QVERIFY(std::abs(caja.left() - arriba.x()) <= 2 && std::abs(caja.top() - arriba.y()) <= 2);
        QVERIFY(std::abs(caja.right() - abajo.x()) <= 2 &&
                std::abs(caja.bottom() - abajo.y()) <= 2);
    });
    QVERIFY(abierto);
    QVERIFY(visto);
    QVERIFY(!f->cajazoom->isVisible()); // hidden with the zoom window
    QCOMPARE(f->Label8->text(), QString());
}

void PruebaSeleccion::no_abre_nada_data() {
    QTest::addColumn<QString>("caso");
    QTest::newRow("click without a drag") << "clic";
    QTest::newRow("no height") << "sin_alto";
    QTest::newRow("no width") << "sin_ancho";
    QTest::newRow("as wide as the range") << "todo";
    QTest::newRow("no curve") << "sin_curva";
    QTest::newRow("after Limpiar") << "limpiar";
    QTest::newRow("release without a press") << "sin_presion";
}

void PruebaSeleccion::no_abre_nada() {
    QFETCH(QString, caso);
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = caso == QLatin1String("sin_curva") ? abrir_form1() : con_una_curva();
    if (caso == QLatin1String("limpiar")) {
        QVERIFY(seleccionar(*f, {-0.1, 5}, {0.1, 15}));
        QTest::mouseClick(f->Command2, Qt::LeftButton);
    }
    const QImage antes = f->Picture1->imagen();
    bool abierto = false;
    if (caso == QLatin1String("sin_presion")) {
        set_manejador_modal([&](QWidget*) { abierto = true; });
        QTest::mouseRelease(f->Picture1, Qt::LeftButton, {}, QPoint(30, 30));
        set_manejador_modal(nullptr);
    } else {
        const QPointF desde(-0.1, 5);
        const QPointF hasta = caso == QLatin1String("clic")        ? desde
                              : caso == QLatin1String("sin_alto")  ? QPointF(0.1, 5)
                              : caso == QLatin1String("sin_ancho") ? QPointF(-0.1, 15)
                                                                   : QPointF(0.1, 15);
        if (caso == QLatin1String("todo")) {
            abierto = seleccionar(*f, {-0.6, 5}, {0.6, 15});
        } else {
            abierto = seleccionar(*f, desde, hasta);
        }
    }
    QVERIFY(!abierto);
    QVERIFY(!f->cajazoom->isVisible());
    QCOMPARE(f->Picture1->imagen_visible(), antes);
    QVERIFY(f->Picture1->persistente());
}

void PruebaSeleccion::mas_alla_de_la_grafica_data() {
    QTest::addColumn<double>("desde");
    QTest::addColumn<double>("hasta");
    QTest::addColumn<int>("barra");
    QTest::newRow("past the right end") << 0.3 << 0.7 << 100;
    QTest::newRow("past the left end") << -0.3 << -0.7 << 0;
}

void PruebaSeleccion::mas_alla_de_la_grafica() {
    QFETCH(double, desde);
    QFETCH(double, hasta);
    QFETCH(int, barra);
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = con_una_curva();
    const Globales& g = f->g;
    const bool abierto = seleccionar(*f, {desde, 5}, {hasta, 15}, [&](FormZoom& z) {
        QCOMPARE(z.barraH->value(), barra);
        // The selection keeps its width and lies within the plotted range.
        QVERIFY(std::fabs((g.x_fin - g.x_ini) - std::fabs(hasta - desde)) < 0.01);
        QVERIFY(g.x_ini >= g.seno_min - 1e-6 && g.x_fin <= g.seno_max + 1e-6);
        QVERIFY(barra == 0 ? std::fabs(g.x_ini - g.seno_min) < 1e-6
                           : std::fabs(g.x_fin - g.seno_max) < 1e-6);
    });
    QVERIFY(abierto);
}

int main(int argc, char** argv) {
    return ejecutar_pruebas<PruebaLecturas, PruebaSeleccion, PruebaMarcadores,
                            PruebaLupaYRestaurar>(argc, argv);
}
