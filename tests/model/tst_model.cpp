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
        QCOMPARE((f(1) / f(3)).diezmilesimas(), 3333);
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
        QCOMPARE(f(0.40001), f(0.4)); // rounds to four decimals
        QVERIFY(f(0.4) < f(0.4001));
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

    // One slit gives the slit's pattern alone; at a principal maximum N slits
    // give N² times it, but d = 4a puts orders 4 and 8 on zeros of the slit factor.
    void intens_rendija_y_ordenes() {
        const auto rendija = [](double a, double s) { // L 0.5, with the obliquity
            const double u = double(2 * pi_simple()) * a / 0.5 * s;
            return (1 - s * s) * std::pow(std::sin(u / 2) / (u / 2), 2);
        };
        for (double s : {0.05, 0.13, 0.37, -0.6, 0.89}) {
            QCOMPARE(Intens(f(0.5), f(2), f(7), Fijo(1), s), rendija(2, s));
        }
        for (int orden = 1; orden <= 7; ++orden) {
            const double s = orden * 0.5 / 4;
            const double I = Intens(f(0.5), f(1), f(4), Fijo(6), s);
            QVERIFY(std::isfinite(I));
            const double maximo = rendija(1, s) * 36;
            if (orden % 4 == 0) {
                QVERIFY2(I < 1e-9, qPrintable(QString::number(I)));
            } else {
                QVERIFY2(std::fabs(I - maximo) < 1e-6 * 36, qPrintable(QString::number(I)));
            }
        }
    }

    // Beside a principal maximum of a far order the grating factor stays within
    // N, on both paths: its two sines must see the same angle, not two large
    // ones rounded apart.
    void intens_no_pasa_de_n2_en_ordenes_lejanos() {
        for (const int N : {2, 3, 1000}) {
            const Red red(f(0.38), f(0.0001), f(20000), Fijo(N));
            std::vector<double> s;
            for (const int orden : {1, 100, 10000, 40000}) {
                const double maximo = orden * 0.38 / 20000;
                for (double r = 1e-17; r < 1e-6; r *= 1.07) {
                    s.insert(s.end(), {maximo * (1 + r), maximo * (1 - r)});
                }
            }
            std::vector<double> vector(s.size()), escalar(s.size());
            red.evaluar(s.data(), vector.data(), s.size());
            red.evaluar_escalar(s.data(), escalar.data(), s.size());
            const double tope = double(N) * N * (1 + 1e-9);
            for (std::size_t i = 0; i < s.size(); ++i) {
                QVERIFY2(escalar[i] <= tope && vector[i] <= tope,
                         qPrintable(QStringLiteral("N %1, sine %2: %3, %4")
                                        .arg(N)
                                        .arg(s[i], 0, 'g', 17)
                                        .arg(escalar[i] / N / N, 0, 'g', 17)
                                        .arg(vector[i] / N / N, 0, 'g', 17)));
            }
        }
    }

    void intens_simetrico() {
        for (double s : {0.013, 0.25, 0.5, 0.777}) {
            QCOMPARE(Intens(f(0.63), f(1.5), f(4.5), Fijo(7), -s),
                     Intens(f(0.63), f(1.5), f(4.5), Fijo(7), s));
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
        const Muestras& t = m.curva;
        const Red red = c.red();
        std::vector<double> senos(static_cast<std::size_t>(r.muestras())), I(senos.size());
        for (std::size_t i = 0; i < senos.size(); ++i) {
            senos[i] = r.seno(static_cast<long long>(i));
            QVERIFY(i == 0 || senos[i] - senos[i - 1] <= (s1 - s0) / muestras_minimas * 1.000001);
        }
        red.evaluar(senos.data(), I.data(), senos.size());
        // Samples fewer than the bins are all kept; more are reduced to four a bin.
        QCOMPARE(t.front().seno, s0);
        QCOMPARE(t.back().seno, s1);
        QCOMPARE(t.back().I, I.back());
        if (senos.size() <= 16384) {
            QCOMPARE(t.size(), senos.size());
            for (std::size_t i = 0; i < t.size(); i += 97) {
                QCOMPARE(t[i].seno, senos[i]);
                QCOMPARE(t[i].I, I[i]);
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

    void pi_de_precision_simple() {
        QCOMPARE(double(pi_simple()), 3.1415927410125732);
        QCOMPARE(double(2 * pi_simple()), 6.2831854820251465);
    }

    void color_de_onda_data() {
        QTest::addColumn<double>("L");
        QTest::addColumn<double>("r");
        QTest::addColumn<double>("g");
        QTest::addColumn<double>("b");
        QTest::addColumn<Color>("rgb");
        QTest::newRow("0.38") << 0.38 << 242.25 << 0.0 << 242.25 << RGB(242, 0, 242);
        QTest::newRow("0.40") << 0.40 << 255.0000000000002 << 0.0 << 255.0 << RGB(255, 0, 255);
        QTest::newRow("0.43") << 0.43 << 145.71428571428578 << 0.0 << 255.0 << RGB(146, 0, 255);
        QTest::newRow("0.47") << 0.47 << 0.0 << 0.0 << 255.0 << RGB(0, 0, 255);
        QTest::newRow("0.50") << 0.50 << 0.0 << 127.49999999999989 << 127.5 << RGB(0, 127, 128);
        QTest::newRow("0.53") << 0.53 << 0.0 << 254.99999999999977 << 0.0 << RGB(0, 255, 0);
        QTest::newRow("0.55") << 0.55 << 102.00000000000013 << 255.0 << 0.0 << RGB(102, 255, 0);
        QTest::newRow("0.58") << 0.58 << 255.00000000000034 << 255.0 << 0.0 << RGB(255, 255, 0);
        QTest::newRow("0.59") << 0.59 << 255.0 << 191.50000000000006 << 0.0 << RGB(255, 192, 0);
        QTest::newRow("0.60") << 0.60 << 255.0 << 128.0000000000001 << 0.0 << RGB(255, 128, 0);
        QTest::newRow("0.65") << 0.65 << 255.0 << 0.0 << 0.0 << RGB(255, 0, 0);
        QTest::newRow("0.70") << 0.70 << 218.57142857142858 << 0.0 << 0.0 << RGB(219, 0, 0);
        QTest::newRow("0.78") << 0.78 << 160.28571428571428 << 0.0 << 0.0 << RGB(160, 0, 0);
    }

    void color_de_onda() {
        QFETCH(double, L);
        QFETCH(double, r);
        QFETCH(double, g);
        QFETCH(double, b);
        QFETCH(Color, rgb);
        const ComponentesColor c = ::color_de_onda(f(L));
        QCOMPARE(c.r, r);
        QCOMPARE(c.g, g);
        QCOMPARE(c.b, f(b));
        QCOMPARE(c.compuesto(), rgb);
    }

    void tangente_y_seno_data() {
        QTest::addColumn<double>("seno");
        QTest::addColumn<double>("tangente"); // NaN: no place on the screen
        QTest::newRow("0.51") << 0.51 << 0.5929;
        QTest::newRow("-0.89") << -0.89 << -1.9519;
        QTest::newRow("0") << 0.0 << 0.0;
        QTest::newRow("0.9999999") << 0.9999999 << 2236.0678;
        QTest::newRow("1") << 1.0 << qQNaN();
        QTest::newRow("-1.5") << -1.5 << qQNaN();
        QTest::newRow("infinity") << qInf() << qQNaN();
        QTest::newRow("NaN") << qQNaN() << qQNaN();
    }

    void tangente_y_seno() {
        QFETCH(double, seno);
        QFETCH(double, tangente);
        const std::optional<Fijo> t = tangente_de_seno(seno);
        QCOMPARE(t.has_value(), !std::isnan(tangente));
        if (t) {
            QCOMPARE(*t, f(tangente));
            QVERIFY(std::fabs(seno_de_tangente(*t) - seno) < 1e-4);
        }
    }

    void objeciones_al_graficar_data() {
        QTest::addColumn<double>("s1");
        QTest::addColumn<double>("s2");
        QTest::addColumn<int>("N");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("d");
        QTest::addColumn<int>("objecion");
        const int bien = int(Objecion::ninguna), senos = int(Objecion::senos),
                  distancia = int(Objecion::distancia);
        QTest::newRow("0.2 to 0.3") << 0.2 << 0.3 << 5 << 2.0 << 10.0 << bien;
        QTest::newRow("equal sines") << 0.3 << 0.3 << 5 << 2.0 << 10.0 << senos;
        QTest::newRow("one position on the screen")
            << 0.30001 << 0.30002 << 5 << 2.0 << 10.0 << senos;
        QTest::newRow("reversed") << 0.3 << 0.2 << 5 << 2.0 << 10.0 << senos;
        QTest::newRow("empty upper box reads 0") << 0.0 << 0.0 << 5 << 2.0 << 10.0 << senos;
        QTest::newRow("sines first") << 0.3 << 0.2 << 2 << 5.0 << 2.0 << senos;
        QTest::newRow("one slit asks nothing of d") << -0.5 << 0.5 << 1 << 5.0 << 2.0 << bien;
        QTest::newRow("d below a") << -0.5 << 0.5 << 2 << 5.0 << 2.0 << distancia;
        QTest::newRow("d equal to a") << -0.5 << 0.5 << 2 << 2.0 << 2.0 << bien;
    }

    void objeciones_al_graficar() {
        QFETCH(double, s1);
        QFETCH(double, s2);
        QFETCH(int, N);
        QFETCH(double, a);
        QFETCH(double, d);
        QFETCH(int, objecion);
        Parametros p;
        p.fijar(Magnitud::ranuras, N);
        p.fijar(Magnitud::ancho, f(a));
        p.fijar(Magnitud::distancia, f(d));
        // The ends are held as the boxes store them.
        p.fijar(Magnitud::inferior, tangente_de_seno(s1).value());
        p.fijar(Magnitud::superior, tangente_de_seno(s2).value());
        QCOMPARE(int(objecion_al_graficar(s1, s2, p)), objecion);
    }

    void curva_del_caso_actual() {
        // -0.5929 is a deviation of -30.66 degrees: its whole degree rounded up is -30.
        Parametros p;
        const std::pair<Magnitud, double> caso[] = {
            {Magnitud::inferior, -0.5929}, {Magnitud::superior, 0.5929}, {Magnitud::ranuras, 2},
            {Magnitud::ancho, 1},          {Magnitud::distancia, 2.5},   {Magnitud::onda, 0.47}};
        for (const auto& [m, v] : caso) {
            p.fijar(m, f(v));
        }
        const Curva c = curva_de(p);
        QCOMPARE(c.ang_min(), -30.0);
        QCOMPARE(c.ang_max(), 30.0f);
        QCOMPARE(c.ranuras, 2);
        QCOMPARE(c.distancia, f(2.5)); // keeps its fraction
        QCOMPARE(c.color, RGB(0, 0, 255));
        QCOMPARE(c.alto(), 4.0);
        QCOMPARE(c.seno_min(), -0.5929 / std::sqrt(1 + 0.5929 * 0.5929));
        QCOMPARE(c.red()(0.1), p.red()(0.1));
        // The record holds the largest N a start-up file may allow.
        p.fijar(Magnitud::ranuras, Fijo(limite_mayor));
        const Curva mayor = curva_de(p);
        QCOMPARE(Fijo(mayor.ranuras), Fijo(100000));
        QCOMPARE(mayor.alto(), 1e10);
        QCOMPARE(mayor.red()(0), 1e10);
    }
};

// The vector path against the scalar one over the allowed range (N 1..500, a
// 0.1..100, d 1..100, L 0.38..0.78, |sine| < 1), principal maxima and zeros included.
class PruebaVectorial : public QObject {
    Q_OBJECT
private slots:
    void igual_que_escalar_data() {
        QTest::addColumn<int>("N");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("L");
        QTest::newRow("smallest") << 1 << 0.1 << 1.0 << 0.38;
        QTest::newRow("largest") << 500 << 100.0 << 100.0 << 0.78;
        QTest::newRow("densest") << 500 << 1.0 << 100.0 << 0.38;
        QTest::newRow("a = d") << 7 << 2.5 << 2.5 << 0.55;
        QTest::newRow("start-up") << 5 << 2.0 << 10.0 << 0.55;
        QTest::newRow("wide slits") << 3 << 100.0 << 100.0 << 0.38;
    }
    void igual_que_escalar() {
        QFETCH(int, N);
        QFETCH(double, a);
        QFETCH(double, d);
        QFETCH(double, L);
        if (!calculo_vectorial()) {
            QSKIP("this processor has no AVX2");
        }
        const Red red(f(L), f(a), f(d), Fijo(N));
        std::vector<double> s;
        for (int i = -9999; i <= 9999; ++i) {
            s.push_back(i / 10000.0 + 0.0000123 * (i % 7));
        }
        for (int m = -3; m <= 3; ++m) {
            // Principal maxima, zeros of the grating and zeros of the slit.
            for (double x : {m * L / d, (m + 1.0 / N) * L / d, m * L / a}) {
                if (std::fabs(x) < 1) {
                    s.push_back(x);
                }
            }
        }
        s.push_back(0);
        std::vector<double> vector(s.size()), escalar(s.size());
        red.evaluar(s.data(), vector.data(), s.size());
        red.evaluar_escalar(s.data(), escalar.data(), s.size());
        const double n2 = double(N) * N;
        for (std::size_t i = 0; i < s.size(); ++i) {
            const double diferencia = std::fabs(vector[i] - escalar[i]);
            QVERIFY2(diferencia <= 1e-12 * std::max(escalar[i], 1e-8 * n2) ||
                         escalar[i] == vector[i],
                     qPrintable(QStringLiteral("sine %1: %2 and %3")
                                    .arg(s[i], 0, 'g', 17)
                                    .arg(vector[i], 0, 'g', 17)
                                    .arg(escalar[i], 0, 'g', 17)));
        }
        QCOMPARE(vector[s.size() - 1], n2); // the centre, exactly
    }
};

int main(int argc, char** argv) {
    PruebaModelo modelo;
    PruebaVectorial vectorial;
    return QTest::qExec(&modelo, argc, argv) + QTest::qExec(&vectorial, argc, argv);
}
#include "tst_model.moc"
