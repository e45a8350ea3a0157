#include "entry/reglas_caja.h"
#include "entry/reglas_paso.h"
#include "tests/entry/ventana.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {

Fijo f(double x) {
    return Fijo::desde(x);
}

} // namespace

class PruebaReglas : public QObject {
    Q_OBJECT
private slots:
    void paso_valor_data();
    void paso_valor();
    void paso_sector_data();
    void paso_sector();
    void pasos_trabajados_data();
    void pasos_trabajados();
    void pasos_finos_sin_deriva();
    void cruce_de_marcadores_data();
    void cruce_de_marcadores();
    void tangente_de_seno_data();
    void tangente_de_seno();
};

void PruebaReglas::paso_valor_data() {
    QTest::addColumn<double>("v");
    QTest::addColumn<bool>("arriba");
    QTest::addColumn<double>("paso");
    QTest::newRow("arriba 0.5") << 0.5 << true << 0.1;
    QTest::newRow("arriba 0.9999") << 0.9999 << true << 0.1;
    QTest::newRow("arriba 1") << 1.0 << true << 1.0;
    QTest::newRow("arriba 9.9999") << 9.9999 << true << 1.0;
    QTest::newRow("arriba 10") << 10.0 << true << 10.0;
    QTest::newRow("arriba 99.9999") << 99.9999 << true << 10.0;
    QTest::newRow("arriba 100") << 100.0 << true << 100.0;
    QTest::newRow("arriba 499.9999") << 499.9999 << true << 100.0;
    QTest::newRow("arriba 500") << 500.0 << true << 0.0;
    QTest::newRow("abajo 1") << 1.0 << false << 0.1;
    QTest::newRow("abajo 1.0999") << 1.0999 << false << 0.1;
    QTest::newRow("abajo 1.1") << 1.1 << false << 1.0;
    QTest::newRow("abajo 10") << 10.0 << false << 1.0;
    QTest::newRow("abajo 10.9999") << 10.9999 << false << 1.0;
    QTest::newRow("abajo 11") << 11.0 << false << 10.0;
    QTest::newRow("abajo 100") << 100.0 << false << 10.0;
    QTest::newRow("abajo 110") << 110.0 << false << 100.0;
    QTest::newRow("abajo 599.9999") << 599.9999 << false << 100.0;
    QTest::newRow("abajo 600") << 600.0 << false << 0.0;
}

void PruebaReglas::paso_valor() {
    QFETCH(double, v);
    QFETCH(bool, arriba);
    QFETCH(double, paso);
    QCOMPARE(::paso_valor(f(v), arriba ? Sentido::arriba : Sentido::abajo), f(paso));
}

void PruebaReglas::paso_sector_data() {
    QTest::addColumn<double>("inferior");
    QTest::addColumn<double>("superior");
    QTest::addColumn<double>("paso");
    QTest::newRow("ancho 2") << -1.0 << 1.0 << 0.2;
    QTest::newRow("ancho 0.5001") << -0.25 << 0.2501 << 0.2;
    QTest::newRow("ancho 0.5") << -0.25 << 0.25 << 0.1;
    QTest::newRow("ancho 0.1001") << 0.3 << 0.4001 << 0.1;
    QTest::newRow("ancho 0.1") << 0.3 << 0.4 << 0.05;
    QTest::newRow("ancho 0.0501") << 0.3 << 0.3501 << 0.05;
    QTest::newRow("ancho 0.05") << 0.3 << 0.35 << 0.01;
    QTest::newRow("ancho 0.0001") << 0.3 << 0.3001 << 0.01;
    QTest::newRow("extremos iguales") << 0.3 << 0.3 << 0.0;
    QTest::newRow("extremos cruzados") << 1.0 << -1.0 << 0.2;
}

void PruebaReglas::paso_sector() {
    QFETCH(double, inferior);
    QFETCH(double, superior);
    QFETCH(double, paso);
    QCOMPARE(::paso_sector(f(inferior), f(superior)), f(paso));
}

void PruebaReglas::pasos_trabajados_data() {
    QTest::addColumn<double>("v");
    QTest::addColumn<bool>("arriba");
    QTest::addColumn<double>("minimo");
    QTest::addColumn<double>("maximo");
    QTest::addColumn<bool>("aceptado");
    QTest::addColumn<double>("nuevo");
    QTest::newRow("N 9 arriba") << 9.0 << true << 1.0 << 500.0 << true << 10.0;
    QTest::newRow("N 10 abajo") << 10.0 << false << 1.0 << 500.0 << true << 9.0;
    QTest::newRow("N 10 arriba") << 10.0 << true << 1.0 << 500.0 << true << 20.0;
    QTest::newRow("N 20 abajo") << 20.0 << false << 1.0 << 500.0 << true << 10.0;
    QTest::newRow("N 100 abajo") << 100.0 << false << 1.0 << 500.0 << true << 90.0;
    QTest::newRow("N 400 arriba, hasta la cota") << 400.0 << true << 1.0 << 500.0 << true << 500.0;
    QTest::newRow("N 500 arriba, paso 0") << 500.0 << true << 1.0 << 500.0 << true << 500.0;
    QTest::newRow("N 450 arriba, pasaria la cota") << 450.0 << true << 1.0 << 500.0 << false << 0.0;
    QTest::newRow("N 1 abajo, rechazado") << 1.0 << false << 1.0 << 500.0 << false << 0.0;
    QTest::newRow("a 0.5 arriba") << 0.5 << true << 0.1 << 100.0 << true << 0.6;
    QTest::newRow("a 1 arriba") << 1.0 << true << 0.1 << 100.0 << true << 2.0;
    QTest::newRow("a 1 abajo") << 1.0 << false << 0.1 << 100.0 << true << 0.9;
    QTest::newRow("a 0.1 abajo, en la cota") << 0.1 << false << 0.1 << 100.0 << false << 0.0;
    QTest::newRow("L 0.75 arriba, rechazado") << 0.75 << true << 0.38 << 0.78 << false << 0.0;
    QTest::newRow("L 0.45 abajo, rechazado") << 0.45 << false << 0.38 << 0.78 << false << 0.0;
}

void PruebaReglas::pasos_trabajados() {
    QFETCH(double, v);
    QFETCH(bool, arriba);
    QFETCH(double, minimo);
    QFETCH(double, maximo);
    QFETCH(bool, aceptado);
    QFETCH(double, nuevo);
    const Sentido s = arriba ? Sentido::arriba : Sentido::abajo;
    const auto r = dar_paso(f(v), ::paso_valor(f(v), s), s, f(minimo), f(maximo));
    QCOMPARE(r.has_value(), aceptado);
    if (aceptado) {
        QCOMPARE(*r, f(nuevo));
    }
}

void PruebaReglas::pasos_finos_sin_deriva() {
    // 400 steps of 0.001 from 0.38 land exactly on 0.78, the upper bound, which
    // is accepted; one more is refused. A binary sum would have drifted off it.
    Fijo v = f(0.38);
    for (int k = 0; k < 400; ++k) {
        const auto n = dar_paso(v, f(0.001), Sentido::arriba, f(0.38), f(0.78));
        QVERIFY2(n.has_value(), qPrintable(QString::number(k)));
        v = *n;
    }
    QCOMPARE(v, f(0.78));
    QVERIFY(!dar_paso(v, f(0.001), Sentido::arriba, f(0.38), f(0.78)).has_value());
    for (int k = 0; k < 40; ++k) {
        v = *dar_paso(v, f(0.01), Sentido::abajo, f(0.38), f(0.78));
    }
    QCOMPARE(v, f(0.38));
    QCOMPARE(v.diezmilesimas(), 3800);
}

void PruebaReglas::cruce_de_marcadores_data() {
    QTest::addColumn<bool>("inferior_sube"); // else the upper end goes down
    QTest::addColumn<double>("nuevo");
    QTest::addColumn<float>("top");
    QTest::addColumn<bool>("cruza");
    // Upper marker top = upper end + 0.2 in single precision.
    QTest::newRow("0.30 a 0.31: 0.51f - 0.2 queda bajo 0.31")
        << true << 0.31 << static_cast<float>(0.31 + 0.2) << true;
    QTest::newRow("0.29 a 0.30: 0.5f - 0.2 es 0.3")
        << true << 0.30 << static_cast<float>(0.30 + 0.2) << false;
    QTest::newRow("por debajo del superior") << true << 0.2999 << static_cast<float>(0.5) << false;
    QTest::newRow("mas alla del superior") << true << 0.3001 << static_cast<float>(0.5) << true;
    QTest::newRow("superior baja a 0.29 sobre inf 0.29f") << false << 0.29 << 0.29f << false;
    QTest::newRow("superior baja a 0.30 sobre inf 0.30f") << false << 0.30 << 0.30f << true;
    QTest::newRow("superior pasaria al inferior") << false << 0.2899 << 0.29f << true;
}

void PruebaReglas::cruce_de_marcadores() {
    QFETCH(bool, inferior_sube);
    QFETCH(double, nuevo);
    QFETCH(float, top);
    QFETCH(bool, cruza);
    QCOMPARE(inferior_sube ? cruza_superior(f(nuevo), top) : cruza_inferior(f(nuevo), top), cruza);
}

void PruebaReglas::tangente_de_seno_data() {
    const double infinito = std::numeric_limits<double>::infinity();
    QTest::addColumn<double>("seno");
    QTest::addColumn<bool>("valida");
    QTest::addColumn<double>("tangente");
    QTest::newRow("0") << 0.0 << true << 0.0;
    QTest::newRow("0.51") << 0.51 << true << 0.5929;
    QTest::newRow("-0.51") << -0.51 << true << -0.5929;
    QTest::newRow("0.89") << 0.89 << true << 1.9519;
    QTest::newRow("-0.9") << -0.9 << true << -2.0647;
    QTest::newRow("0.95") << 0.95 << true << 3.0424;
    QTest::newRow("0.999999") << 0.999999 << true << 707.1063;
    QTest::newRow("0.9999996, fuera de toda pantalla") << 0.9999996 << false << 0.0;
    QTest::newRow("1") << 1.0 << false << 0.0;
    QTest::newRow("-1") << -1.0 << false << 0.0;
    QTest::newRow("5") << 5.0 << false << 0.0;
    QTest::newRow("1e300") << 1e300 << false << 0.0;
    QTest::newRow("infinito") << infinito << false << 0.0;
    QTest::newRow("-infinito") << -infinito << false << 0.0;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << false << 0.0;
}

void PruebaReglas::tangente_de_seno() {
    QFETCH(double, seno);
    QFETCH(bool, valida);
    QFETCH(double, tangente);
    const auto t = ::tangente_de_seno(seno);
    QCOMPARE(t.has_value(), valida);
    if (valida) {
        QCOMPARE(*t, f(tangente));
        QCOMPARE(std::round(seno_de_tangente(*t) * 100) / 100, std::round(seno * 100) / 100);
    }
}

int correr_reglas(int argc, char** argv) {
    PruebaReglas p;
    return QTest::qExec(&p, argc, argv);
}

#include "prueba_reglas.moc"
