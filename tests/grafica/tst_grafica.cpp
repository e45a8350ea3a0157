// The graph: how a curve is sampled and its band rows found, and what a plot
// leaves on the data frame (curve, grid, list, data text) over six curves and a seventh.
#include "grafica/grafica.h"
#include "grafica/muestreo.h"
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

namespace {

Fijo f(double x) {
    return Fijo::desde(x);
}

Curva curva(double inferior, double superior, int N, double a, double d, double L) {
    Curva c;
    c.inferior = f(inferior);
    c.superior = f(superior);
    c.ranuras = N;
    c.ancho = f(a);
    c.distancia = f(d);
    c.onda = f(L);
    return c;
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
    void muestreo_data() {
        QTest::addColumn<double>("inferior"); // the sector's ends, tangents
        QTest::addColumn<double>("superior");
        QTest::addColumn<int>("N");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("L");
        QTest::addColumn<int>("muestras"); // -1: between 4096 and 8192
        QTest::newRow("start-up case") << -0.5929 << 0.5929 << 5 << 2.0 << 10.0 << 0.55 << -1;
        // Sines ±0.8899978 are ±117104.97 fringes of 7.6e-6: four samples a fringe,
        // the quarters from -117104.75 to 117104.75, and the two ends.
        QTest::newRow("many fringes")
            << -1.9519 << 1.9519 << 500 << 100.0 << 100.0 << 0.38 << 2 * 468419 + 1 + 2;
        // Narrower than one fringe, whatever d (which a single slit does not feel).
        QTest::newRow("one fringe, d 1") << 0.1005 << 0.3145 << 1 << 1.0 << 1.0 << 0.78 << -1;
        QTest::newRow("one fringe, d 100") << 0.1005 << 0.3145 << 1 << 1.0 << 100.0 << 0.78 << -1;
        QTest::newRow("one side") << 0.2 << 0.75 << 2 << 0.5 << 1.0 << 0.78 << -1;
        // A single slit wider than the distance: its zeros are L / a apart.
        QTest::newRow("one wide slit") << -0.5929 << 0.5929 << 1 << 100.0 << 1.0 << 0.38 << -1;
        QTest::newRow("start-up sector, chord at the left")
            << -0.5929 << 0.5929 << 2 << 0.5 << 1.0 << 0.78 << -1;
    }

    // The samples run from the sector's lower end to its upper end, both
    // evaluated exactly, never further apart than 1/4096 of the range, and meet
    // every zero and principal maximum of the grating; each band row holds the
    // greatest intensity over the sines it covers on the screen.
    void muestreo() {
        QFETCH(double, inferior);
        QFETCH(double, superior);
        QFETCH(int, N);
        QFETCH(double, a);
        QFETCH(double, d);
        QFETCH(double, L);
        QFETCH(int, muestras);
        const Curva c = curva(inferior, superior, N, a, d, L);
        const double s0 = c.seno_min(), s1 = c.seno_max();
        const Rejilla r(c, s0, s1);
        if (muestras < 0) {
            QVERIFY(r.muestras() >= muestras_minimas && r.muestras() <= 2 * muestras_minimas);
        } else {
            QCOMPARE(r.muestras(), muestras);
        }
        const Muestreo m = muestrear(c, {s0, s1 - s0, 600});
        const Trazo& t = *m.trazo;
        const Red red = c.red();
        std::vector<double> senos(static_cast<std::size_t>(r.muestras())), I(senos.size());
        for (std::size_t i = 0; i < senos.size(); ++i) {
            senos[i] = r.seno(static_cast<long long>(i));
            QVERIFY(i == 0 || senos[i] - senos[i - 1] <= (s1 - s0) / muestras_minimas * 1.000001);
        }
        red.evaluar(senos.data(), I.data(), senos.size());
        // Samples fewer than the bins are all kept; more are reduced to four points a bin.
        const double n2 = static_cast<float>(c.alto());
        QCOMPARE(t.front().x, float(s0));
        QCOMPARE(t.back().x, float(s1));
        QCOMPARE(t.back().y, float(0.98 * (n2 - I.back())));
        if (senos.size() <= 16384) {
            QCOMPARE(t.size(), senos.size());
            for (std::size_t i = 0; i < t.size(); i += 97) {
                QCOMPARE(t[i].x, float(senos[i]));
                QCOMPARE(t[i].y, float(0.98 * (n2 - I[i])));
            }
        } else {
            QVERIFY(t.size() <= 4 * (16384 + 600));
        }
        const double delta = N > 1 ? L / (N * d) : L / a;
        for (auto k = static_cast<long long>(std::ceil(s0 / delta)); double(k) * delta <= s1; ++k) {
            const double s = double(k) * delta;
            QVERIFY2(std::binary_search(senos.begin(), senos.end(), s) || s == s0 || s == s1,
                     qPrintable(QString::number(s)));
        }
        // Band rows, evenly spaced on the screen between the ends: the same maxima
        // as a plain loop over the samples finds.
        for (int j = 0; j < filas_bandas; ++j) {
            std::array<double, 2> borde{}, en_borde{};
            for (int e = 0; e < 2; ++e) {
                const double t = inferior + (superior - inferior) * (j + e) / filas_bandas;
                borde[e] = j + e == 0 ? s0 : j + e == filas_bandas ? s1 : t / std::sqrt(1 + t * t);
            }
            red.evaluar(borde.data(), en_borde.data(), 2);
            double maximo = std::max(en_borde[0], en_borde[1]);
            for (auto i = std::lower_bound(senos.begin(), senos.end(), borde[0]);
                 i != senos.end() && *i < borde[1]; ++i) {
                maximo = std::max(maximo, I[std::size_t(i - senos.begin())]);
            }
            QVERIFY2(m.filas[j] == maximo, qPrintable(QString::number(j)));
        }
    }

    void el_peor_caso_tiene_limite() {
        // Limits a start-up file may hold: the samples stop at the bound.
        const Curva c = curva(-2, 2, 100000, 100, 100000, 0.01);
        const Rejilla r(c, c.seno_min(), c.seno_max());
        QCOMPARE(r.muestras(), muestras_maximas);
        QCOMPARE(r.seno(0), c.seno_min());
        QCOMPARE(r.seno(r.muestras() - 1), c.seno_max());
        QVERIFY(r.seno(1) > r.seno(0) && r.seno(muestras_maximas / 2) > r.seno(1));
        QVERIFY(muestras_del_peor_caso(100000, 100, 100000, -0.9, 0.9, 0.01) > muestras_maximas);
        QVERIFY(muestras_del_peor_caso(500, 100, 100, -0.8944, 0.8944, 0.38) < muestras_maximas);
        QVERIFY(muestras_del_peor_caso(1, 100000, 1, -0.9, 0.9, 0.01) > muestras_maximas);
        // An empty range is its two ends.
        const Rejilla vacia(c, 0.25, 0.25);
        QCOMPARE(vacia.muestras(), 2LL);
        QCOMPARE(vacia.seno(0), 0.25);
        QCOMPARE(vacia.seno(1), 0.25);
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
        // (N a)² up to 2.5 10⁹: every number whole at 640 x 480, in either locale,
        // also after the window shrinks with the numbers in the list.
        const double anchos[] = {100, 0.1234, 12.3457, 99.9999, 0.1237, 1.2345};
        for (const QLocale& l : {locale_punto(), locale_coma()}) {
            LocalePrueba locale(l);
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
        for (int i = 0; i < 10 && QApplication::focusWidget() != grafica; ++i) {
            QVERIFY(!qobject_cast<QLineEdit*>(QApplication::focusWidget()));
            tecla(Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), grafica);
        const auto con_marco = [&] { return grafica->imagen_visible() != grafica->imagen(); };
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
        grafica->setFocus();
        tecla(Qt::Key_Return);
        QVERIFY(!con_marco());
        QCOMPARE(elegido.count(), 1);
    }

    // Escape during a drag takes the band away wherever the focus is; the
    // release then selects nothing.
    void escape_cancela_la_banda() {
        Escena e;
        e.graficar();
        auto* grafica = e.control<PictureBox>("grafica");
        auto* caja = e.control<QLineEdit>("caja_ranuras");
        caja->setFocus();
        bool abierta = false;
        const Modal modal([&](QWidget*) { abierta = true; });
        const QPoint a = pixel_de(grafica, {-0.3, 5}), b = pixel_de(grafica, {0.2, 20});
        QTest::mousePress(grafica, Qt::LeftButton, {}, a);
        QTest::mouseMove(grafica, b);
        QVERIFY(grafica->imagen_visible() != grafica->imagen());
        QTest::keyClick(e->windowHandle(), Qt::Key_Escape);
        QVERIFY(grafica->imagen_visible() == grafica->imagen());
        QTest::mouseRelease(grafica, Qt::LeftButton, {}, b);
        QVERIFY(!abierta);
        QCOMPARE(caja->text(), QStringLiteral("5"));
        QVERIFY(e.seleccionar({-0.3, 5}, {0.2, 20})); // the next drag selects
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

    // The grid comes with the first curve only. New ends typed after a plot:
    // the graph and the zoom window keep the curves' range until the next plot
    // starts a new graph.
    void grilla_y_rango_de_las_curvas() {
        Escena e;
        auto* grafica = e.control<PictureBox>("grafica");
        e.graficar();
        const std::size_t con_grilla = grafica->figuras();
        QCOMPARE(con_grilla, std::size_t{5 + 1 + 10 + 1 + 1}); // rows, columns, the curve
        e.escribir(Magnitud::ranuras, QStringLiteral("9"));
        e.graficar();
        QCOMPARE(grafica->figuras(), con_grilla + 1);
        e.escribir(Magnitud::inferior, QStringLiteral("0"));
        e.escribir(Magnitud::superior, QStringLiteral("0.2"));
        QVERIFY(e.seleccionar({-0.45, 5}, {-0.3, 20}, [&](VentanaZoom& z) {
            QVERIFY(std::fabs(z.seleccion().x_ini + 0.45) < 0.01);
            QVERIFY(std::fabs(z.seleccion().x_fin + 0.3) < 0.01);
        }));
        e.graficar();
        QCOMPARE(grafica->figuras(), con_grilla);
        QCOMPARE(e.curvas(), 1);
        QCOMPARE(e.grafica().seno_min(), 0.0);
        e.limpiar();
        QCOMPARE(grafica->figuras(), std::size_t{0});
        QCOMPARE(e.curvas(), 0);
        e.graficar();
        QCOMPARE(grafica->figuras(), con_grilla);
    }
};

QTEST_MAIN(PruebaGrafica)
#include "tst_grafica.moc"
