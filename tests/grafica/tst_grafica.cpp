// The graph: what a plot leaves on the data frame (curve, grid, list, data
// text) over six curves and a seventh.
#include "grafica/escala.h"
#include "grafica/grafica.h"
#include "model/parametros.h"
#include "tests/common/entorno.h"
#include "toolkit/forma.h"
#include "toolkit/picture_box.h"
#include "toolkit/texto.h"
#include "zoom/ventana_zoom.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

Fijo f(double x) {
    return Fijo::desde(x);
}

// Dark runs met along a line of `img` from `a` to `b` (device pixels): the
// borders a scan crosses.
int bordes(const QImage& img, QPoint a, QPoint b) {
    const int n = std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    int cruzados = 0;
    bool oscuro = false;
    for (int i = 0; i <= n; ++i) {
        const QPoint p = a + (b - a) * i / n;
        const bool o = qGray(img.pixel(p)) < 96;
        cruzados += o && !oscuro;
        oscuro = o;
    }
    return cruzados;
}

} // namespace

class PruebaGrafica : public QObject {
    Q_OBJECT
private slots:
    // Round numbers inside the range, evenly stepped, that read back as what
    // they stand for; the degrees at the sines of their angles.
    void numeros_de_la_escala_data() {
        QTest::addColumn<double>("s0");
        QTest::addColumn<double>("s1");
        QTest::addColumn<int>("ancho");
        QTest::newRow("the shipped sector") << -0.51 << 0.51 << 980;
        QTest::newRow("the whole screen") << -1.0 << 1.0 << 400;
        QTest::newRow("one side, narrow") << 0.1005 << 0.3145 << 300;
        QTest::newRow("a thousandth") << -0.0005 << 0.0005 << 800;
        QTest::newRow("a narrow graph") << -0.51 << 0.51 << 100;
    }
    void numeros_de_la_escala() {
        QFETCH(double, s0);
        QFETCH(double, s1);
        QFETCH(int, ancho);
        const std::vector<MarcaEje> senos = marcas_de_senos(s0, s1, ancho);
        QVERIFY(senos.size() >= 2 && senos.size() <= 13);
        const double paso = senos[1].seno - senos[0].seno;
        for (std::size_t i = 0; i < senos.size(); ++i) {
            const MarcaEje& m = senos[i];
            QVERIFY(m.seno >= s0 && m.seno <= s1);
            QVERIFY(std::fabs(m.seno - (senos[0].seno + double(i) * paso)) < 1e-9);
            QVERIFY2(std::fabs(leer_numero(convertir(m.texto)) - m.seno) < paso * 1e-6,
                     qPrintable(m.texto));
        }
        const std::vector<MarcaEje> grados = marcas_de_grados(s0, s1, ancho);
        QVERIFY(!grados.empty());
        for (const MarcaEje& m : grados) {
            QVERIFY(m.seno >= s0 - 1e-12 && m.seno <= s1 + 1e-12 && m.texto.endsWith(QChar(0xB0)));
            const double t = leer_numero(convertir(m.texto));
            QVERIFY2(std::fabs(std::sin(t * std::numbers::pi / 180) - m.seno) < 1e-9,
                     qPrintable(m.texto));
        }
    }

    // The numbers stand on the graph's foot with curves, and along its top
    // only once the degrees are asked for; never in the picture.
    void escala_sobre_la_grafica() {
        Escena e;
        auto* grafica = e.control<PictureBox>("grafica");
        QCOMPARE(grafica->imagen_visible(), grafica->imagen());
        e.graficar();
        const auto filas_con_numeros = [&](int desde, int hasta) {
            const QImage vista = grafica->imagen_visible(), imagen = grafica->imagen();
            int filas = 0;
            for (int y = desde; y < hasta; ++y) {
                for (int x = 0; x < vista.width(); ++x) {
                    if (vista.pixel(x, y) != imagen.pixel(x, y)) {
                        ++filas;
                        break;
                    }
                }
            }
            return filas;
        };
        const int h = grafica->imagen().height(), fila = h / 12;
        QVERIFY(filas_con_numeros(h - fila, h) > fila / 2);
        QCOMPARE(filas_con_numeros(0, fila), 0);
        e.elegir("menu_ver", QStringLiteral("&Escala de la gráfica"));
        QVERIFY(filas_con_numeros(0, fila) > fila / 2);
    }

    void curva_fiel_data() {
        QTest::addColumn<QString>("inic");
        QTest::newRow("narrow") << inic_con({{1, "0.1005, -2, 2"},
                                             {2, "0.3145, -2, 2"},
                                             {3, "1, 1, 500"},
                                             {4, "1, 0.1, 100"},
                                             {5, "1, 1, 100"},
                                             {6, "0.78, 0.38, 0.78"}});
        QTest::newRow("one side") << inic_con({{1, "0.2, -2, 2"},
                                               {2, "0.75, -2, 2"},
                                               {3, "2, 1, 500"},
                                               {4, "0.5, 0.1, 100"},
                                               {5, "1, 1, 100"},
                                               {6, "0.78, 0.38, 0.78"}});
        QTest::newRow("start-up sector, two slits") << inic_con(
            {{3, "2, 1, 500"}, {4, "0.5, 0.1, 100"}, {5, "1, 1, 100"}, {6, "0.78, 0.38, 0.78"}});
        QTest::newRow("dense") << inic_con({{1, "-1.9519, -2, 2"},
                                            {2, "1.9519, -2, 2"},
                                            {3, "500, 1, 500"},
                                            {4, "1, 0.1, 100"},
                                            {5, "100, 1, 100"},
                                            {6, "0.38, 0.38, 0.78"}});
    }

    // At the width it was plotted for, and again after resizes, from what the
    // curve keeps: the pixels of every segment, whichever way the model was evaluated.
    void curva_fiel() {
        QFETCH(QString, inic);
        Escena e(inic);
        e.graficar();
        const Curva& c = e.grafica().curvas().at(0);
        auto* grafica = e.control<PictureBox>("grafica");
        for (const QSize tamano : {QSize(1000, 700), QSize(1900, 1000), QSize(777, 555)}) {
            e->resize(tamano);
            QTRY_COMPARE(e->size(), tamano);
            const QString falla = infidelidad(grafica, c, c.color, c.seno_min(), c.seno_max());
            QVERIFY2(falla.isEmpty(), qPrintable(QString::number(tamano.width()) + ": " + falla));
        }
        const QImage vectorial = grafica->imagen();
        set_calculo_vectorial(false);
        e.limpiar();
        e.graficar();
        set_calculo_vectorial(true);
        QCOMPARE(grafica->imagen(), vectorial);
    }

    void datos_y_lista_de_intensidades() {
        LocalePrueba l(locale_coma());
        Escena e(inic_con({{1, "-0.5929, -2, 2"},
                           {2, "0.5929, -2, 2"},
                           {3, "2, 1, 500"},
                           {4, "1, 0.1, 100"},
                           {5, "2.5, 1, 100"},
                           {6, "0.5, 0.38, 0.78"}}));
        e.graficar();
        // The lower end, -0.5929, is -30.66 degrees: -30 is its whole degree rounded up.
        const QString bloque = QStringLiteral("Angulo Mínimo: -30 º\r\n"
                                              "Angulo Máximo: 30 º\r\n"
                                              "Número de ranuras: 2\r\n"
                                              "Ancho de ranura: 1 micrones\r\n"
                                              "Distancia entre ranuras: 2,5 micrones\r\n"
                                              "Longitud de Onda: 0,5 micrones\r\n"
                                              "\r\n");
        QCOMPARE(e.grafica().datos(), bloque);
        auto* lista = e.control<QListWidget>("lista_intensidades");
        QCOMPARE(lista->count(), 1);
        QCOMPARE(lista->item(0)->text(), QStringLiteral("4")); // (N a)²
        e.escribir(Magnitud::ancho, QStringLiteral("1,5"));
        e.graficar();
        QCOMPARE(e.grafica().datos(),
                 bloque + QString(bloque).replace("ranura: 1 ", "ranura: 1,5 "));
        QCOMPARE(lista->item(1)->text(), QStringLiteral("9"));
        QCOMPARE(e.grafica().curvas()[1].distancia, f(2.5)); // d keeps its fraction
        QVERIFY(e.mensajes.textos.isEmpty());
    }

    void intensidades_enteras_en_la_ventana_mas_chica() {
        // (N a)² up to 2.5 10⁹: every number whole at 640 x 480 (in a locale whose
        // decimal mark and group separator are not C's), also after the window
        // shrinks with the numbers in the list.
        const double anchos[] = {100, 0.1234, 12.3457, 99.9999, 0.1237, 1.2345};
        LocalePrueba locale(locale_coma());
        Escena e(inic_con({{3, "500, 1, 500"}, {4, "100, 0.1, 100"}, {5, "100, 1, 100"}}));
        std::vector<double> esperados;
        for (double a : anchos) {
            const int N = esperados.empty() ? 500 : 499;
            e.escribir(Magnitud::ranuras, QString::number(N));
            e.escribir(Magnitud::ancho, QString::number(a));
            e.graficar();
            esperados.push_back(double(N) * N * a * a);
        }
        e->resize(640, 480);
        QTRY_COMPARE(e->size(), QSize(640, 480));
        auto* lista = e.control<QListWidget>("lista_intensidades");
        QCOMPARE(lista->count(), int(esperados.size()));
        for (int i = 0; i < lista->count(); ++i) {
            const QString texto = lista->item(i)->text();
            QVERIFY2(!texto.contains(QLatin1Char('.')), qPrintable(texto)); // the user's mark
            QVERIFY2(lista->fontMetrics().horizontalAdvance(texto) <=
                         lista->viewport()->width() - 4,
                     qPrintable(texto));
            // The number rounded to the significant digits shown, two at least
            // in a list 55 pixels wide; the whole number in the row's tooltip.
            QString mantisa =
                texto.section(QLatin1Char('e'), 0, 0, QString::SectionCaseInsensitiveSeps);
            mantisa.remove(QRegularExpression(QStringLiteral("[^0-9]")));
            mantisa.remove(QRegularExpression(QStringLiteral("^0+")));
            const auto cifras = static_cast<int>(mantisa.size());
            QVERIFY2(cifras >= 2, qPrintable(texto));
            const double leido = leer_numero(convertir(texto));
            QVERIFY2(std::fabs(leido / esperados[i] - 1) <= 0.5 * std::pow(10.0, 1 - cifras),
                     qPrintable(texto));
            QCOMPARE(leer_numero(convertir(lista->item(i)->toolTip())), esperados[i]);
        }
    }

    void septima_curva_empieza_de_nuevo() {
        Escena e;
        auto* lista = e.control<QListWidget>("lista_intensidades");
        const char* const ondas[] = {"0.4", "0.45", "0.5", "0.55", "0.6", "0.65", "0.7"};
        for (int k = 0; k < 7; ++k) {
            e.escribir(Magnitud::onda, QString::fromLatin1(ondas[k]));
            e.graficar();
            QCOMPARE(e.curvas(), k < 6 ? k + 1 : 1);
            QCOMPARE(lista->count(), e.curvas());
        }
        const Curva& c = e.grafica().curvas()[0];
        QCOMPARE(c.onda, f(0.7));
        QCOMPARE(c.color, RGB(219, 0, 0));
        QCOMPARE(e.grafica().datos().count(QStringLiteral("Angulo Mínimo")), 1);
        QCOMPARE(e.control<Forma>("cuadro_lista_2")->relleno(), blanco);
    }

    // The keyboard's way to the zoom: Tab reaches the graph after every other
    // control; the arrows move a frame drawn as the rubber band is, Shift and
    // the arrows size it, Escape takes it away, Enter selects it.
    void marco_de_teclado() {
        Escena e;
        e.graficar();
        auto* grafica = e.control<PictureBox>("grafica");
        QWindow* ventana = e->windowHandle();
        const auto tecla = [&](Qt::Key k, Qt::KeyboardModifiers m = {}, int veces = 1) {
            for (int i = 0; i < veces; ++i) {
                QTest::keyClick(ventana, k, m);
            }
        };
        e.control("boton_salir")->setFocus();
        QImage sin_marco = grafica->imagen_visible(); // with the scale's numbers
        for (int i = 0; i < 10 && QApplication::focusWidget() != grafica; ++i) {
            QVERIFY(!qobject_cast<QLineEdit*>(QApplication::focusWidget()));
            tecla(Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), grafica);
        const auto con_marco = [&] { return grafica->imagen_visible() != sin_marco; };
        QVERIFY(con_marco());
        tecla(Qt::Key_Escape);
        QVERIFY(!con_marco());
        tecla(Qt::Key_Right); // back where it was; the next one moves it
        QVERIFY(con_marco());
        tecla(Qt::Key_Right);
        tecla(Qt::Key_Left, Qt::ShiftModifier);
        tecla(Qt::Key_Up, Qt::ShiftModifier, 20);
        tecla(Qt::Key_Down, {}, 30); // stops at the bottom
        QVERIFY(con_marco());

        QSignalSpy elegido(&e.grafica(), &Grafica::seleccionado);
        bool abierta = false;
        const Modal modal([&](QWidget* w) {
            abierta = true;
            QVERIFY(e.control("marco_zoom")->isVisible());
            QTest::keyClick(w->windowHandle(), Qt::Key_Escape);
            QVERIFY(!w->isVisible());
        });
        tecla(Qt::Key_Return);
        QVERIFY(abierta);
        QCOMPARE(elegido.count(), 1);
        QVERIFY(!e.control("marco_zoom")->isVisible());
        // A fortieth of the range and of the graph's height (down to 0.995 N²) a step,
        // from a sixth of the range in its middle, the whole height.
        const double s0 = e.grafica().seno_min(), s1 = e.grafica().seno_max();
        const double px = (s1 - s0) / 40, py = 0.995 * 25 / 40;
        const double x = s0 + (s1 - s0) * 5 / 12 + px;
        const auto s = elegido[0][0].value<Seleccion>();
        const double esperado[] = {x, 20 * py, x + (s1 - s0) / 6 - px, 0.995 * 25};
        const double visto[] = {s.x_ini, s.y_ini, s.x_fin, s.y_fin};
        for (int i = 0; i < 4; ++i) {
            QVERIFY2(std::fabs(visto[i] - esperado[i]) < 1e-5, qPrintable(QString::number(i)));
        }
        // Without curves the keys are not the graph's.
        e.limpiar();
        sin_marco = grafica->imagen_visible();
        grafica->setFocus();
        tecla(Qt::Key_Return);
        QVERIFY(!con_marco());
        QCOMPARE(elegido.count(), 1);
    }

    // Every colour square keeps its border against its neighbours: run at 150 %
    // too (QT_SCALE_FACTOR=1.5), where rounding used to merge two of them.
    void divisiones_de_los_cuadros() {
        Escena e;
        const QImage img = e->grab().toImage();
        const double dpr = img.devicePixelRatio();
        const auto en_imagen = [&](const char* nombre, QPoint p) {
            return (QPointF(e.control(nombre)->mapTo(e.ventana.get(), p)) * dpr).toPoint();
        };
        const auto centro = [&](const char* nombre) {
            return en_imagen(nombre, e.control(nombre)->rect().center());
        };
        QCOMPARE(bordes(img, centro("cuadro_lista_1") - QPoint(0, 15 * dpr),
                        centro("cuadro_lista_6") + QPoint(0, 15 * dpr)),
                 7);
        QCOMPARE(bordes(img, centro("cuadro_bandas_1") - QPoint(15 * dpr, 0),
                        centro("cuadro_bandas_6") + QPoint(15 * dpr, 0)),
                 7);
    }

    // The grid comes with the first curve only: six rows and eleven columns. New
    // ends typed after a plot: the graph and the zoom window keep the curves'
    // range until the next plot starts a new graph.
    void grilla_y_rango_de_las_curvas() {
        Escena e;
        auto* grafica = e.control<PictureBox>("grafica");
        e.graficar();
        QCOMPARE(grafica->figuras(), std::size_t{6 + 11 + 1});
        e.escribir(Magnitud::ranuras, QStringLiteral("9"));
        e.graficar();
        QCOMPARE(grafica->figuras(), std::size_t{6 + 11 + 2});
        e.escribir(Magnitud::inferior, QStringLiteral("0"));
        e.escribir(Magnitud::superior, QStringLiteral("0.2"));
        QVERIFY(e.seleccionar({-0.45, 5}, {-0.3, 20}, [&](VentanaZoom& z) {
            QVERIFY(std::fabs(z.seleccion().x_ini + 0.45) < 0.01);
            QVERIFY(std::fabs(z.seleccion().x_fin + 0.3) < 0.01);
        }));
        e.graficar();
        QCOMPARE(e.curvas(), 1);
        QCOMPARE(e.grafica().seno_min(), 0.0);
        e.limpiar(); // the picture goes too
        QCOMPARE(grafica->figuras(), std::size_t{0});
    }
};

QTEST_MAIN(PruebaGrafica)
#include "tst_grafica.moc"
