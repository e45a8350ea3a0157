#include "medicion/foto.h"
#include "medicion/medida.h"
#include "medicion/tabla.h"
#include "model/color_onda.h"
#include "model/fijo.h"

#include <QJsonArray>
#include <QLocale>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <random>

class PruebaMedicion : public QObject {
    Q_OBJECT
private slots:
    void tabla_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("filas");
        QTest::addColumn<double>("ultimo"); // the last row's second number
        QTest::addColumn<QString>("error");
        QTest::newRow("TSV with a header, decimal comma") << "x (mm)\tI\n-1,5\t3\n2\t4,25\n"
                                                          << 2 << 4.25 << "";
        QTest::newRow("CSV, point, comments and blanks") << "# sensor\n\n0.5,1\r\n0.75,2e1\r\n"
                                                         << 2 << 20.0 << "";
        QTest::newRow("semicolons, decimal comma") << "1,5;2\n3;0,5" << 2 << 0.5 << "";
        QTest::newRow("blanks between") << "1 2\n3   4" << 2 << 4.0 << "";
        QTest::newRow("no numbers") << "hola\nmundo\n" << 0 << 0.0 << "no tiene números";
        QTest::newRow("one column") << "1\n2\n3\n" << 0 << 0.0 << "tiene una sola columna";
        QTest::newRow("NaN") << "1,2\n2,nan\n" << 0 << 0.0 << "no es un número";
        QTest::newRow("a row short") << "1;2\n3\n" << 0 << 0.0 << "columnas";
    }
    void tabla() {
        QFETCH(QString, texto);
        QFETCH(int, filas);
        QFETCH(double, ultimo);
        QFETCH(QString, error);
        const Tabla t = leer_tabla(texto);
        QVERIFY2(error.isEmpty() ? t.error.isEmpty() : t.error.contains(error),
                 qPrintable(t.error));
        if (filas > 0) {
            QCOMPARE(int(t.columnas.at(1).size()), filas);
            QCOMPARE(t.columnas[1].back(), ultimo);
            QCOMPARE(t.nombres.size(), qsizetype(t.columnas.size()));
        }
    }

    // Positions through the distance and angles become sines; an angle off the
    // screen is refused.
    void perfil() {
        const Tabla t = leer_tabla(QStringLiteral("1000;0\n-500;2\n30;0\n"));
        QString e;
        Perfil p = perfil_de_tabla(t, 0, 1, Eje::posicion, 1000, &e);
        QVERIFY(e.isEmpty());
        QCOMPARE(p.senos[0], std::sqrt(0.5));
        QCOMPARE(p.senos[1], -0.5 / std::sqrt(1.25));
        perfil_de_tabla(t, 0, 1, Eje::angulo, 0, &e); // 1000°
        QVERIFY(e.contains(QStringLiteral("no cae en la pantalla")));
        e.clear();
        p = perfil_de_tabla(leer_tabla(QStringLiteral("30;1\n0;1\n")), 0, 1, Eje::angulo, 0, &e);
        QCOMPARE(p.senos[0], std::sin(M_PI / 6));
    }

    void texto_con_error_data() {
        QTest::addColumn<double>("valor");
        QTest::addColumn<double>("error");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("one figure") << 0.63312 << 0.0041 << "L = 0,633 ± 0,004 µm";
        QTest::newRow("a leading 1 keeps two") << 2.00123 << 0.0153 << "L = 2,001 ± 0,015 µm";
        QTest::newRow("to the unit at the most") << 812.4 << 37.0 << "L = 812 ± 37 µm";
        QTest::newRow("none") << 0.633 << 0.0 << "L = 0,633000 ± 0,000000 µm";
    }
    void texto_con_error() {
        QFETCH(double, valor);
        QFETCH(double, error);
        QFETCH(QString, esperado);
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
        const QString t =
            ::texto_con_error(QStringLiteral("L"), valor, error, QStringLiteral("µm"));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(t, esperado);
    }

    void json() {
        DatosMedicion m;
        m.origen = QStringLiteral("laser.csv");
        m.perfil = {{-0.25, 0, 0.5}, {1, 4, 2}};
        m.libre = Libre::distancia;
        m.ancho_libre = false;
        QString e;
        const auto vuelta = de_json(a_json(m), &e);
        QVERIFY(vuelta && a_json(*vuelta) == a_json(m));
        QJsonObject mala = a_json(m);
        mala[QStringLiteral("senos")] = QJsonArray{0.1, 1.5, 0};
        QVERIFY(!de_json(mala, &e) && e.contains(QStringLiteral("fuera de la pantalla")));
        mala = a_json(m);
        mala[QStringLiteral("intensidades")] = QJsonArray{1, 2};
        QVERIFY(!de_json(mala, &e));
    }

    // The program's band picture of a case, blurred, turned 2°, with a camera's
    // gamma and noise: the profile along the turned middle row gives L back.
    void foto() {
        const int N = 4, ancho = 900, alto = 160;
        const double L = 0.633, d = 5, a = 1, D = 1000; // screen positions ±450 mm
        const ComponentesColor luz = color_de_onda(Fijo::desde(L));
        std::vector<double> fila(ancho);
        for (int x = 0; x < ancho; ++x) {
            const double t = (x - (ancho - 1) / 2.0) / D, s = t / std::sqrt(1 + t * t);
            fila[std::size_t(x)] = modelo({L, a, d, 1, 0, 0}, N, s); // the bands' f = I / N²
        }
        QImage bandas(ancho, alto, QImage::Format_RGB32);
        std::mt19937 azar(5);
        std::normal_distribution<double> ruido(0, 4);
        for (int x = 0; x < ancho; ++x) {
            double f = 0; // blurred over five columns
            for (int k = -2; k <= 2; ++k) {
                f += fila[std::size_t(std::clamp(x + k, 0, ancho - 1))] / 5;
            }
            const auto camara = [&](double c) { // linear light to a camera's 2.2 gamma
                return std::clamp(int(255 * std::pow(f * c / 255, 1 / 2.2)), 0, 255);
            };
            for (int y = 0; y < alto; ++y) {
                bandas.setPixel(x, y, qRgb(camara(luz.r), camara(luz.g), camara(luz.b.a_double())));
            }
        }
        QTransform giro;
        giro.rotate(2);
        QImage foto = bandas.transformed(giro, Qt::SmoothTransformation);
        for (int y = 0; y < foto.height(); ++y) {
            for (int x = 0; x < foto.width(); ++x) {
                const QRgb c = foto.pixel(x, y);
                const auto mas = [&](int v) { return std::clamp(int(v + ruido(azar)), 0, 255); };
                foto.setPixel(x, y, qRgb(mas(qRed(c)), mas(qGreen(c)), mas(qBlue(c))));
            }
        }
        // The ends of the middle row, where the turn took them.
        const QTransform donde = QImage::trueMatrix(giro, ancho, alto);
        const QPointF p1 = donde.map(QPointF(10, alto / 2.0)),
                      p2 = donde.map(QPointF(ancho - 11, alto / 2.0));
        const Perfil p =
            perfil_de_foto(foto, p1, p2, 10 - (ancho - 1) / 2.0, ancho - 11 - (ancho - 1) / 2.0, D);
        Planteo q;
        q.ranuras = N;
        q.conocidos = {0, 0.5, d};
        q.libre = Libre::onda;
        // The same line known by its length alone, its brightest point the centre.
        const Perfil por_largo = perfil_desde_el_centro(foto, p1, p2, ancho - 21, D);
        for (const Ajuste& r : {ajustar(p, q), ajustar(por_largo, q)}) {
            QCOMPARE(r.estado, EstadoAjuste::ajustado);
            QVERIFY2(std::abs(r.valores.onda / L - 1) < 0.01,
                     qPrintable(QString::number(r.valores.onda)));
        }
        QVERIFY(luz_a_lo_largo(QImage(), p1, p2).empty());
    }
};

QTEST_MAIN(PruebaMedicion)
#include "tst_medicion.moc"
