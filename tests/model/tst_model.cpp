#include "model/color.h"
#include "model/color_onda.h"
#include "model/curva.h"
#include "model/fijo.h"
#include "model/intens.h"
#include "model/parametros.h"

#include <QTest>

#include <cmath>

namespace {
Fijo f(double x) {
    return Fijo::desde(x);
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
