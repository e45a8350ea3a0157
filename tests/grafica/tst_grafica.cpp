// The graph: how a curve is sampled and binned, and what a plot leaves on the
// data frame (curve, grid, list, data text) over six curves and a seventh.
#include "grafica/grafica.h"
#include "grafica/muestreo.h"
#include "model/parametros.h"
#include "tests/common/entorno.h"
#include "toolkit/forma.h"
#include "toolkit/picture_box.h"

#include <QListWidget>
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

class PruebaGrafica : public QObject {
    Q_OBJECT
private slots:
    void muestreo_data() {
        QTest::addColumn<double>("inferior"); // the sector's ends, tangents
        QTest::addColumn<double>("superior");
        QTest::addColumn<int>("N");
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("L");
        QTest::addColumn<int>("m_min");
        QTest::addColumn<int>("m_max");
        QTest::addColumn<int>("K");
        QTest::addColumn<int>("muestras"); // inside the sector
        // Sines -0.51..0.51, L 0.55, d 10, N 5: fringes -46..46 of 0.011, K =
        // 2 (round(1000/92 + 1) div 2) = 12.
        // Samples -45 11/12 .. 46 4/12 fringes: the next one, 46 5/12, is past 0.509998.
        QTest::newRow("start-up case")
            << -0.5929 << 0.5929 << 5 << 10.0 << 0.55 << -46 << 46 << 12 << 1108;
        // Fewer than 250 fringes: about 1000 samples. More: never fewer than 4 a fringe.
        // Sines ±0.0995 are ±0.995 fringes: K = 2 (501 div 2), samples -497/500 .. 497/500.
        QTest::newRow("two fringes") << -0.1 << 0.1 << 1 << 5.0 << 0.5 << -1 << 1 << 500 << 995;
        // Sines ±0.8899978 are ±117104.97 fringes: quarters from -117104.75 to 117104.75.
        QTest::newRow("many fringes")
            << -1.9519 << 1.9519 << 500 << 100.0 << 0.38 << -117105 << 117105 << 4 << 936839;
        // Both ends in fringe 0: four samples a fringe of 0.55, one of them (0.1375) inside.
        QTest::newRow("one fringe") << 0.1 << 0.2 << 1 << 1.0 << 0.55 << 0 << 0 << 4 << 1;
    }

    void muestreo() {
        QFETCH(double, inferior);
        QFETCH(double, superior);
        QFETCH(int, N);
        QFETCH(double, d);
        QFETCH(double, L);
        QFETCH(int, m_min);
        QFETCH(int, m_max);
        QFETCH(int, K);
        QFETCH(int, muestras);
        const Curva c = curva(inferior, superior, N, 1, d, L);
        const Franjas fr = franjas_de(c);
        QCOMPARE(fr.m_min, m_min);
        QCOMPARE(fr.m_max, m_max);
        QCOMPARE(fr.K, K);
        const Muestreo m = muestrear(c);
        const Trazo& t = *m.trazo;
        QCOMPARE(int(t.size()), muestras + 1);
        // The curve starts at the sector's lower end; the samples sit at (m + j/K) Δ,
        // at 0.98 (N² - I) on the graph.
        const Red red = c.red();
        const double n2 = c.alto();
        QCOMPARE(t[0].x, float(c.seno_min()));
        QCOMPARE(t[0].y, float(0.98 * (n2 - red(c.seno_min()))));
        // Sample n from fringe m_min on: j = 1..K of fringe m_min + n div K.
        const auto seno = [&](long long n) {
            return (double(fr.m_min + n / fr.K) + double(n % fr.K + 1) / double(fr.K)) * fr.delta;
        };
        long long n = 0;
        while (seno(n) < c.seno_min()) {
            ++n;
        }
        // Each bin holds the greatest intensity sampled in it; bins past the last
        // sample are never reached and stay dark.
        const double ancho = c.seno_max() - c.seno_min();
        for (std::size_t i = 1; i < t.size(); ++i, ++n) {
            const double s = seno(n);
            const double I = red(s);
            QCOMPARE(t[i].x, float(s));
            QCOMPARE(t[i].y, float(0.98 * (n2 - I)));
            const auto b = static_cast<std::size_t>(round_even((s - c.seno_min()) * 350 / ancho));
            QVERIFY(m.tabla_max[b] >= I);
        }
        QVERIFY(seno(n) > c.seno_max());
        const auto ultimo =
            static_cast<std::size_t>(round_even((double(t.back().x) - c.seno_min()) * 350 / ancho));
        for (std::size_t b = ultimo + 1; b <= 350; ++b) {
            QCOMPARE(m.tabla_max[b], 0.0);
        }
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
        QCOMPARE(e.control<Forma>("cuadro_lista_2")->relleno(), Color{0xFFFFFF});
    }

    void grilla_solo_en_la_primera_curva() {
        Escena e;
        auto* grafica = e.control<PictureBox>("grafica");
        e.graficar();
        const std::size_t con_grilla = grafica->figuras();
        QCOMPARE(con_grilla, std::size_t{5 + 1 + 10 + 1 + 1}); // rows, columns, the curve
        // Another N and range: the grid still is not drawn again.
        e.escribir(Magnitud::inferior, QStringLiteral("-0.2"));
        e.escribir(Magnitud::ranuras, QStringLiteral("9"));
        e.graficar();
        QCOMPARE(grafica->figuras(), con_grilla + 1);
        e.limpiar();
        QCOMPARE(grafica->figuras(), std::size_t{0});
        QCOMPARE(e.curvas(), 0);
        e.graficar();
        QCOMPARE(grafica->figuras(), con_grilla);
    }
};

QTEST_MAIN(PruebaGrafica)
#include "tst_grafica.moc"
