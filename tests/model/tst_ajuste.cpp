#include "model/ajuste.h"
#include "model/intens.h"

#include <QTest>

#include <cmath>
#include <random>

Q_DECLARE_METATYPE(Libre)
Q_DECLARE_METATYPE(EstadoAjuste)

namespace {
// A measurement of `v` over [s0, s1]: n samples, a background, noise of
// `ruido` of the peak, the sensor's zero off the centre by 0.002.
Perfil medir(const Valores& v, int N, double s0, double s1, int n, double ruido) {
    std::mt19937 azar(7);
    std::normal_distribution<double> normal(0, ruido * v.escala);
    Perfil p;
    for (int i = 0; i < n; ++i) {
        const double s = s0 + (s1 - s0) * i / (n - 1);
        p.senos.push_back(s);
        p.intensidades.push_back(modelo(v, N, s) + normal(azar));
    }
    return p;
}
} // namespace

class PruebaAjuste : public QObject {
    Q_OBJECT
private slots:
    void derivadas_data() {
        QTest::addColumn<int>("N");
        QTest::addColumn<double>("s");
        QTest::newRow("N 2, a flank") << 2 << 0.137;
        QTest::newRow("N 5, near the centre") << 5 << 1e-6;
        QTest::newRow("N 40, on an order") << 40 << 0.25 + 1e-7;
        QTest::newRow("N 500, beside an order") << 500 << 0.2503;
        QTest::newRow("N 500, far out") << 500 << -0.8123;
    }
    // The analytic Jacobian against central differences, and the model against Intens.
    void derivadas() {
        QFETCH(int, N);
        QFETCH(double, s);
        const Valores v{0.5, 0.7, 2, 3, 0.4, 0.001};
        Derivadas d;
        const double m = modelo(v, N, s, &d);
        Valores unidad = v;
        unidad.escala = double(N) * N;
        unidad.fondo = unidad.centro = 0;
        QVERIFY(std::abs(modelo(unidad, N, s) - Intens(Fijo::desde(0.5), Fijo::desde(0.7),
                                                       Fijo::desde(2), Fijo(N), s)) < 1e-6 * N * N);
        double Valores::*campos[] = {&Valores::onda,   &Valores::ancho, &Valores::distancia,
                                     &Valores::escala, &Valores::fondo, &Valores::centro};
        for (auto campo : campos) {
            const double h = 1e-7 * std::max(1e-3, std::abs(v.*campo));
            Valores mas = v, menos = v;
            mas.*campo += h;
            menos.*campo -= h;
            const double numerica = (modelo(mas, N, s) - modelo(menos, N, s)) / (2 * h);
            QVERIFY2(std::abs(d.*campo - numerica) <= 1e-5 * (std::abs(numerica) + m),
                     qPrintable(QString::number(d.*campo) + " " + QString::number(numerica)));
        }
    }

    void recupera_data() {
        QTest::addColumn<int>("N");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("L");
        QTest::addColumn<Libre>("libre");
        QTest::addColumn<bool>("ancho_libre");
        QTest::addColumn<double>("sector");
        QTest::addColumn<int>("muestras");
        const auto D = Libre::distancia, O = Libre::onda;
        QTest::newRow("N 2, d") << 2 << 1.0 << 5.0 << 0.633 << D << true << 0.5 << 800;
        QTest::newRow("N 2, L, a known") << 2 << 1.0 << 5.0 << 0.633 << O << false << 0.5 << 800;
        QTest::newRow("N 3, missing even orders")
            << 3 << 2.0 << 4.0 << 0.55 << O << true << 0.6 << 1500;
        QTest::newRow("N 6, every third missing")
            << 6 << 1.0 << 3.0 << 0.45 << D << true << 0.7 << 2000;
        QTest::newRow("N 20, L") << 20 << 0.8 << 4.0 << 0.633 << O << true << 0.5 << 4000;
        QTest::newRow("N 100, d, missing")
            << 100 << 1.5 << 3.0 << 0.532 << D << true << 0.45 << 9000;
        QTest::newRow("N 500, L") << 500 << 0.5 << 2.0 << 0.633 << O << true << 0.7 << 14000;
        QTest::newRow("N 500, d, a known")
            << 500 << 1.0 << 2.0 << 0.405 << D << false << 0.5 << 14000;
    }
    // Synthetic measurements with noise, a background and an offset zero give
    // back the free length within 0.5 %, inside a few of their own sigmas.
    void recupera() {
        QFETCH(int, N);
        QFETCH(double, a);
        QFETCH(double, d);
        QFETCH(double, L);
        QFETCH(Libre, libre);
        QFETCH(bool, ancho_libre);
        QFETCH(double, sector);
        QFETCH(int, muestras);
        const Valores v{L, a, d, 800, 120, 0.002};
        Planteo q;
        q.ranuras = N;
        q.conocidos = {L, ancho_libre ? 0.4 * a : a, d};
        q.libre = libre;
        q.ancho_libre = ancho_libre;
        const Ajuste r = ajustar(medir(v, N, -sector, sector, muestras, 0.02), q);
        QCOMPARE(r.estado, EstadoAjuste::ajustado);
        const double real = libre == Libre::distancia ? d : L;
        const double hallado = libre == Libre::distancia ? r.valores.distancia : r.valores.onda;
        QVERIFY2(std::abs(hallado / real - 1) < 0.005, qPrintable(QString::number(hallado)));
        QVERIFY(r.error_libre > 0 && std::abs(hallado - real) < 6 * r.error_libre + 1e-9 * real);
        QVERIFY(r.residuo > 0.01 && r.residuo < 0.04); // the noise's 2 % of the scale
    }

    void rechaza_data() {
        QTest::addColumn<int>("N");
        QTest::addColumn<int>("cual");
        QTest::addColumn<EstadoAjuste>("estado");
        QTest::newRow("a flat profile") << 4 << 0 << EstadoAjuste::pocos_datos;
        QTest::newRow("ten samples") << 4 << 1 << EstadoAjuste::pocos_datos;
        QTest::newRow("one slit") << 1 << 2 << EstadoAjuste::ambiguo;
        QTest::newRow("one smooth bump") << 4 << 3 << EstadoAjuste::sin_periodo;
        QTest::newRow("noise alone") << 4 << 4 << EstadoAjuste::ambiguo;
        QTest::newRow("zero an order off") << 4 << 5 << EstadoAjuste::descentrado;
    }
    void rechaza() {
        QFETCH(int, N);
        QFETCH(int, cual);
        QFETCH(EstadoAjuste, estado);
        const Valores v{0.633, 1, 5, 1, 0, 0};
        Perfil p = medir(v, N, -0.3, 0.3, cual == 1 ? 10 : 600, 0);
        if (cual == 0) {
            std::fill(p.intensidades.begin(), p.intensidades.end(), 3.0);
        } else if (cual == 3) {
            for (std::size_t i = 0; i < p.senos.size(); ++i) {
                p.intensidades[i] = std::exp(-p.senos[i] * p.senos[i] / 0.01);
            }
        } else if (cual == 5) {
            for (double& s : p.senos) {
                s += 0.1;
            }
        } else if (cual == 4) {
            std::mt19937 azar(3);
            for (double& y : p.intensidades) {
                y = std::uniform_real_distribution<double>(0, 1)(azar);
            }
        }
        Planteo q;
        q.ranuras = N;
        q.conocidos = v;
        QCOMPARE(ajustar(p, q).estado, estado);
    }
};

QTEST_APPLESS_MAIN(PruebaAjuste)
#include "tst_ajuste.moc"
