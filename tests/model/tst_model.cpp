#include "model/color.h"
#include "model/color_onda.h"
#include "model/curva.h"
#include "model/fijo.h"
#include "model/intens.h"
#include "model/muestreo.h"
#include "model/parametros.h"

#include <QTest>

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
} // namespace

class PruebaModelo : public QObject {
    Q_OBJECT
private slots:
    void round_even_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("esperado");
        QTest::newRow("0.5") << 0.5 << 0.0;
        QTest::newRow("1.5") << 1.5 << 2.0;
        QTest::newRow("2.5") << 2.5 << 2.0;
        QTest::newRow("-0.5") << -0.5 << -0.0;
        QTest::newRow("-1.5") << -1.5 << -2.0;
        QTest::newRow("127.5") << 127.5 << 128.0;
        QTest::newRow("127.49999999999989") << 127.49999999999989 << 127.0;
        QTest::newRow("2.6") << 2.6 << 3.0;
    }

    void round_even() {
        QFETCH(double, x);
        QFETCH(double, esperado);
        QCOMPARE(::round_even(x), esperado);
    }

    void fijo() {
        QCOMPARE(f(0.55).diezmilesimas(), 5500);
        QCOMPARE(f(-0.5929).diezmilesimas(), -5929);
        QCOMPARE(f(0.12344).diezmilesimas(), 1234);
        QCOMPARE(f(0.12346).diezmilesimas(), 1235);
        QCOMPARE(f(0.55).a_double(), 0.55);
        // Products and quotients round to four decimals, halves to even.
        QCOMPARE((f(0.5) * f(0.0001)).diezmilesimas(), 0);
        QCOMPARE((f(0.5) * f(0.0003)).diezmilesimas(), 2);
        QCOMPARE((f(-0.5) * f(0.0003)).diezmilesimas(), -2);
        QCOMPARE((f(2) / f(3)).diezmilesimas(), 6667);
        QCOMPARE((f(0.0001) / f(2)).diezmilesimas(), 0);
        QCOMPARE((f(0.0003) / f(-2)).diezmilesimas(), -2);
        // A thousand steps of 0.001 land exactly on 1: no drift.
        Fijo x = 0;
        for (int i = 0; i < 1000; ++i) {
            x += f(0.001);
        }
        QCOMPARE(x, Fijo(1));
        QCOMPARE(f(0.1) + f(0.2), f(0.3));
        QCOMPARE((f(0.47) - f(0.40)) * 255, f(17.85));
        // Out of range or not a number.
        QCOMPARE(Fijo::desde(std::nan("")), Fijo(0));
        QVERIFY(!Fijo::representable(std::nan("")));
        QVERIFY(!Fijo::representable(INFINITY));
        QVERIFY(!Fijo::representable(1e300));
        QVERIFY(Fijo::representable(1e14));
        QVERIFY(Fijo::desde(1e300) > Fijo::desde(1e14));
        QVERIFY(Fijo::desde(-1e300) < Fijo::desde(-1e14));
    }

    void rgb_y_paleta() {
        QCOMPARE(RGB(0, 127.49999999999989, 127.5), Color::rgb(0, 127, 128));
        QCOMPARE(RGB(300, 255.6, -3), Color::rgb(255, 255, 0));
        QCOMPARE(QBColor(7), Color::rgb(192, 192, 192));
        QCOMPARE(QBColor(9), Color::rgb(0, 0, 255));
        QCOMPARE(QBColor(12), Color::rgb(255, 0, 0));
        QCOMPARE(QBColor(14), Color::rgb(255, 255, 0));
        QCOMPARE(QBColor(16), Color());
        // The classic colour number keeps red in its lowest byte.
        QCOMPARE(Color::de_numero(255), Color::rgb(255, 0, 0));
        QCOMPARE(Color::de_numero(1 + 2 * 256 + 3 * 65536), Color::rgb(1, 2, 3));
        QCOMPARE(Color::rgb(0, 0, 128).numero(), 128u * 65536);
    }

    void intens_valores_trabajados_data() {
        QTest::addColumn<double>("L");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("d");
        QTest::addColumn<int>("N");
        QTest::addColumn<double>("seno");
        QTest::addColumn<double>("esperado");
        QTest::newRow("centro") << 0.5 << 1.0 << 2.0 << 2 << 0.0 << 4.0;
        QTest::newRow("0.1") << 0.5 << 1.0 << 2.0 << 2 << 0.1 << 0.33093;
        QTest::newRow("maximo principal 0.25") << 0.5 << 1.0 << 2.0 << 2 << 0.25 << 1.51982;
        QTest::newRow("N 3, 0.2") << 0.55 << 1.0 << 3.0 << 3 << 0.2 << 4.37976;
        // One slit gives the slit's pattern alone, whatever d; d = 4a puts order 4
        // on a zero of the slit factor.
        QTest::newRow("1 slit, 0.13") << 0.5 << 2.0 << 7.0 << 1 << 0.13 << 0.366924;
        QTest::newRow("1 slit, -0.6") << 0.5 << 2.0 << 7.0 << 1 << -0.6 << 0.0101829;
        QTest::newRow("d = 4a, order 3") << 0.5 << 1.0 << 4.0 << 6 << 0.375 << 2.78633;
        QTest::newRow("d = 4a, order 4 missing") << 0.5 << 1.0 << 4.0 << 6 << 0.5 << 0.0;
        // The centre is N², exactly, from either side.
        QTest::newRow("1 slit, centre") << 0.38 << 0.1 << 1.0 << 1 << 0.0 << 1.0;
        QTest::newRow("5 slits, centre") << 0.55 << 2.0 << 10.0 << 5 << 0.0 << 25.0;
        QTest::newRow("500 slits, centre") << 0.78 << 100.0 << 100.0 << 500 << 0.0 << 250000.0;
    }

    void intens_valores_trabajados() {
        QFETCH(double, L);
        QFETCH(double, a);
        QFETCH(double, d);
        QFETCH(int, N);
        QFETCH(double, seno);
        QFETCH(double, esperado);
        const double I = Intens(f(L), f(a), f(d), Fijo(N), seno);
        QVERIFY2(std::fabs(I - esperado) <= 5e-6 * std::max(1.0, esperado),
                 qPrintable(QString::number(I, 'g', 10)));
        if (seno == 0) {
            QCOMPARE(I, esperado);
            QCOMPARE(Intens(f(L), f(a), f(d), Fijo(N), -0.0), esperado);
        }
    }

    // Beside a principal maximum of a far order the grating factor stays within
    // N: its two sines must see the same angle, not two large ones rounded
    // apart (the vector path is held to this one by tests/fuzz/fuzz_intens).
    void intens_no_pasa_de_n2_en_ordenes_lejanos() {
        for (const int N : {2, 3, 1000}) {
            const Red red(f(0.38), f(0.0001), f(20000), Fijo(N));
            for (const int orden : {1, 100, 10000, 40000}) {
                const double maximo = orden * 0.38 / 20000;
                for (double r = 1e-17; r < 1e-6; r *= 1.07) {
                    for (const double s : {maximo * (1 + r), maximo * (1 - r)}) {
                        QVERIFY2(red(s) <= double(N) * N * (1 + 1e-9),
                                 qPrintable(QStringLiteral("N %1, sine %2: %3")
                                                .arg(N)
                                                .arg(s, 0, 'g', 17)
                                                .arg(red(s) / N / N, 0, 'g', 17)));
                    }
                }
            }
        }
    }

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

    // The samples run from the sector's lower end to its upper end, never
    // further apart than 1/4096 of the range, and meet every zero and principal
    // maximum of the grating; each band row holds the greatest intensity over
    // the sines it covers on the screen.
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
        std::vector<double> senos(static_cast<std::size_t>(r.muestras())), I(senos.size());
        for (std::size_t i = 0; i < senos.size(); ++i) {
            senos[i] = r.seno(static_cast<long long>(i));
            QVERIFY(i == 0 || senos[i] - senos[i - 1] <= (s1 - s0) / muestras_minimas * 1.000001);
        }
        const double delta = N > 1 ? L / (N * d) : L / a;
        for (auto k = static_cast<long long>(std::ceil(s0 / delta)); double(k) * delta <= s1; ++k) {
            const double s = double(k) * delta;
            QVERIFY2(std::binary_search(senos.begin(), senos.end(), s) || s == s0 || s == s1,
                     qPrintable(QString::number(s)));
        }
        // Reduced to four samples a bin at the most, the ends kept.
        const Muestreo m = muestrear(c, {s0, s1 - s0, 600});
        QCOMPARE(m.curva.front().seno, s0);
        QCOMPARE(m.curva.back().seno, s1);
        QVERIFY(m.curva.size() <= 4 * (16384 + 600));
        // Band rows, evenly spaced on the screen between the ends: the same maxima
        // as a plain loop over the samples finds.
        const Red red = c.red();
        red.evaluar(senos.data(), I.data(), senos.size());
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
            QVERIFY2(std::fabs(m.filas[j] - maximo) <= 1e-12 * std::max(maximo, 1e-8 * c.alto()),
                     qPrintable(QString::number(j)));
        }
    }

    // Along a grid the sines of the model advance by turns: over every call of
    // the sampler's size, within 1e-12 of the curve's height of the model
    // evaluated sine by sine, the centre and the principal maxima exactly.
    void intensidades_por_giros() {
        for (const Curva& c :
             {curva(-1.9519, 1.9519, 500, 100, 100, 0.38), curva(-0.5929, 0.5929, 5, 2, 10, 0.55),
              curva(-0.5929, 0.5929, 1, 100, 1, 0.38), curva(0.2, 0.75, 2, 0.5, 1, 0.78)}) {
            const Rejilla r(c, c.seno_min(), c.seno_max());
            const Red red = c.red();
            std::vector<double> s(256), giros(256), uno_a_uno(256);
            double peor = 0;
            for (long long i = 1; i + 256 < r.muestras(); i += 256) {
                r.senos(i, s.size(), s.data());
                red.evaluar_uniformes(s.data(), r.paso(), giros.data(), s.size());
                red.evaluar_escalar(s.data(), uno_a_uno.data(), s.size());
                for (std::size_t j = 0; j < s.size(); ++j) {
                    peor = std::max(peor, std::fabs(giros[j] - uno_a_uno[j]));
                    if (uno_a_uno[j] == c.alto()) {
                        QCOMPARE(giros[j], uno_a_uno[j]);
                    }
                }
            }
            QVERIFY2(peor <= 1e-12 * c.alto(), qPrintable(QString::number(peor / c.alto())));
        }
    }

    // A sum is sampled on the grid of its finest curve, whichever comes first.
    void suma_en_la_rejilla_mas_fina() {
        const Curva fina = curva(-0.6, 0.6, 500, 1, 100, 0.38),
                    gruesa = curva(-0.6, 0.6, 500, 1, 100, 0.78);
        const Columnas cada_muestra{0.15, 0.1, 1, 1 << 20};
        const Muestras suma = muestrear_suma({gruesa, fina}, 0.15, 0.25, cada_muestra);
        const Muestras sola = muestrear_tramo(fina, 0.15, 0.25, cada_muestra);
        QCOMPARE(suma.size(), sola.size());
        for (std::size_t i = 0; i < suma.size(); ++i) {
            QCOMPARE(suma[i].seno, sola[i].seno);
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

    void pi_de_precision_simple() {
        QCOMPARE(double(pi_simple()), 3.1415927410125732);
        QCOMPARE(double(2 * pi_simple()), 6.2831854820251465);
    }

    // Each stretch of the rule, rounded to the colour shown; the stretches divide
    // by their double widths (0.47 - 0.40 is 0.06999999999999995), so that 0.50
    // shows green 127, not 128.
    void color_de_onda_data() {
        QTest::addColumn<double>("L");
        QTest::addColumn<Color>("rgb");
        QTest::newRow("0.38") << 0.38 << RGB(242, 0, 242);
        QTest::newRow("0.40") << 0.40 << RGB(255, 0, 255);
        QTest::newRow("0.43") << 0.43 << RGB(146, 0, 255);
        QTest::newRow("0.47") << 0.47 << RGB(0, 0, 255);
        QTest::newRow("0.50") << 0.50 << RGB(0, 127, 128);
        QTest::newRow("0.53") << 0.53 << RGB(0, 255, 0);
        QTest::newRow("0.55") << 0.55 << RGB(102, 255, 0);
        QTest::newRow("0.58") << 0.58 << RGB(255, 255, 0);
        QTest::newRow("0.59") << 0.59 << RGB(255, 192, 0);
        QTest::newRow("0.60") << 0.60 << RGB(255, 128, 0);
        QTest::newRow("0.65") << 0.65 << RGB(255, 0, 0);
        QTest::newRow("0.70") << 0.70 << RGB(219, 0, 0);
        QTest::newRow("0.78") << 0.78 << RGB(160, 0, 0);
    }

    void color_de_onda() {
        QFETCH(double, L);
        QFETCH(Color, rgb);
        QCOMPARE(::color_de_onda(f(L)).compuesto(), rgb);
    }

    // A sine's place on the screen, and the sine of that place; a sine of 1 or
    // none has no place.
    void tangente_y_seno() {
        QCOMPARE(tangente_de_seno(0.51).value_or(Fijo()), f(0.5929));
        QVERIFY(std::fabs(seno_de_tangente(f(0.5929)) - 0.51) < 1e-4);
        QVERIFY(!tangente_de_seno(1) && !tangente_de_seno(qQNaN()));
    }

    // Both ends wrong and d below a: the sines are told first; one slit asks
    // nothing of d.
    void objeciones_al_graficar() {
        const auto objecion = [](int N, double s1, double s2) {
            Parametros p;
            p.fijar(Magnitud::ranuras, N);
            p.fijar(Magnitud::ancho, f(5));
            p.fijar(Magnitud::distancia, f(2));
            // The ends are held as the boxes store them.
            p.fijar(Magnitud::inferior, tangente_de_seno(s1).value());
            p.fijar(Magnitud::superior, tangente_de_seno(s2).value());
            return int(objecion_al_graficar(s1, s2, p));
        };
        QCOMPARE(objecion(2, 0.3, 0.2), int(Objecion::senos));
        QCOMPARE(objecion(1, -0.5, 0.5), int(Objecion::ninguna));
    }

    // The record holds the largest N a start-up file may allow, and its N² whole.
    void curva_de_la_mayor_red() {
        Parametros p;
        p.fijar(Magnitud::onda, f(0.5));
        p.fijar(Magnitud::ranuras, Fijo(limite_mayor));
        const Curva mayor = curva_de(p);
        QCOMPARE(Fijo(mayor.ranuras), Fijo(100000));
        QCOMPARE(mayor.alto(), 1e10);
        QCOMPARE(mayor.red()(0), 1e10);
    }
};

QTEST_APPLESS_MAIN(PruebaModelo)
#include "tst_model.moc"
