#include "entry/boton_spin.h"
#include "grafica/grafica.h"
#include "model/intens.h"
#include "screen/esquema.h"
#include "screen/marcador.h"
#include "tests/common/entorno.h"
#include "toolkit/diseno.h"
#include "toolkit/forma.h"
#include "toolkit/picture_box.h"
#include "toolkit/texto.h"
#include "toolkit/trazado.h"
#include "zoom/ventana_zoom.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

const QColor gris(224, 224, 224), rojo(255, 0, 0), violeta(73, 0, 255);

// A single slit of 0.5 micrometres: a broad central maximum, so the rows around
// the centre carry the full colour of the light.
QString rendija(const char* inferior = "-0.6, -2, 2", const char* superior = "0.6, -2, 2") {
    return inic_con(
        {{1, inferior}, {2, superior}, {3, "1, 1, 500"}, {4, "0.5, 0.1, 100"}, {5, "1, 1, 100"}});
}

PictureBox* caja(const Escena& f, const char* nombre) {
    return f.control<PictureBox>(nombre);
}

QColor color_en(PictureBox* p, QPointF usuario) {
    const QImage img = p->imagen();
    return img.pixelColor((p->a_pixel(usuario) * img.devicePixelRatio()).toPoint());
}

// How many of the 5 x 5 pixels around a point show colour `c` (lines are thin).
int cuantos(PictureBox* p, QPointF usuario, QColor c) {
    const QImage img = p->imagen();
    const QPoint q = (p->a_pixel(usuario) * img.devicePixelRatio()).toPoint();
    int n = 0;
    for (int i = 0; i < 25; ++i) {
        const QPoint r = q + QPoint(i % 5 - 2, i / 5 - 2);
        n += img.valid(r) && img.pixelColor(r) == c;
    }
    return n;
}

QColor cuadro(const Escena& f, const char* tipo, int k) {
    const QString nombre = QStringLiteral("cuadro_%1_%2").arg(QLatin1String(tipo)).arg(k);
    return buscar<Forma>(f.ventana.get(), nombre)->relleno();
}

// Drags a marker with the mouse and lets it go at height Y of the strip, `fuera`
// pixels right of its middle. Past the drag distance an outline of the marker
// follows the pointer, keeping the offset at which it was grabbed.
void arrastrar(const Escena& f, const char* marcador, double Y, int fuera = 0) {
    auto* m = f.control<Marcador>(marcador);
    auto* tira = caja(f, "tira_pantalla");
    const QPoint destino =
        QPoint(tira->width() / 2 + fuera, pixel_de(tira, {0.5, Y}).y()) - m->pos();
    const QPoint centro = m->rect().center();
    QTest::mousePress(m, Qt::LeftButton, {}, centro);
    QVERIFY(!m->contorno() || !m->contorno()->isVisible());
    for (const QPoint p : {centro + QPoint(0, 12), destino}) {
        QTest::mouseMove(m, p);
        QVERIFY(m->contorno() && m->contorno()->isVisible() && m->contorno()->size() == m->size());
        QCOMPARE(m->contorno()->pos(), m->mapTo(m->window(), p - centro));
    }
    QTest::mouseRelease(m, Qt::LeftButton, {}, destino);
    QVERIFY(!m->contorno()->isVisible());
}

// What a drop on the strip may change.
struct Estado {
    Fijo inf, sup;
    float top_inf, top_sup;
    QString caja_inf, caja_sup;
    int curvas, lista;
    bool operator==(const Estado&) const = default;
};

Estado estado(const Escena& f) {
    return {f.parametros().valor(Magnitud::inferior),
            f.parametros().valor(Magnitud::superior),
            f.control<Marcador>("marcador_inferior")->top(),
            f.control<Marcador>("marcador_superior")->top(),
            f.control<QLineEdit>("caja_inferior")->text(),
            f.control<QLineEdit>("caja_superior")->text(),
            f.curvas(),
            f.control<QListWidget>("lista_intensidades")->count()};
}

// The middle of the connector line from the strip at end Y to the sector's corner.
QPointF linea(double Y, bool superior) {
    return {(3.29 + 4.05) / 2, (altura_en_ventana(Y) + (superior ? 1.69 : -2.98)) / 2};
}

} // namespace

class PruebaPantalla : public QObject {
    Q_OBJECT
private slots:
    // Each step: a wavelength typed and plotted, or a control clicked.
    void bandas_data() {
        QTest::addColumn<QStringList>("pasos");
        QTest::addColumn<bool>("separadas");         // the mode at the end
        QTest::addColumn<QList<QColor>>("luces");    // the colour of each curve listed
        QTest::addColumn<QList<QColor>>("columnas"); // the sector's six columns at the centre
        QTest::addColumn<QString>("parados");        // the spin buttons stopped, by name; none: ""
        const QColor verde(102, 255, 0), naranja(255, 128, 0), verde_54(51, 255, 0);
        const QString separar = QStringLiteral("opcion_bandas_separadas");
        using P = QStringList;
        using C = QList<QColor>;
        QTest::newRow("single band") << P{"0.55"} << false << C{verde} << C(6, verde) << "";
        QTest::newRow("single band adds")
            << P{"0.55", "0.45"} << false << C{verde, violeta} << C(6, QColor(175, 255, 255)) << "";
        QTest::newRow("single band saturates") << P{"0.55", "0.45", "0.60"} << false
                                               << C{verde, violeta, naranja} << C(6, blanco) << "";
        QTest::newRow("separate bands")
            << P{separar, "0.55", "0.45", "0.65"} << true << C{verde, violeta, rojo}
            << C{verde, violeta, rojo, blanco, blanco, blanco} << "";
        // A geometry step (d, which a single slit ignores) compares: each band from black,
        // the wavelength's buttons stopped.
        QTest::newRow("geometry step") << P{"0.55", "subir_distancia", "0.45"} << false
                                       << C{verde, violeta} << C(6, violeta) << "onda";
        // "Limpiar" drops the curves, the squares, the colours added so far and the stop.
        QTest::newRow("Limpiar") << P{"0.55", "subir_distancia", "0.45", "boton_limpiar"} << false
                                 << C{} << C(6, gris) << "";
        QTest::newRow("Limpiar, then 0.45") << P{"0.45", "0.55", "boton_limpiar", "0.45"} << false
                                            << C{violeta} << C(6, violeta) << "";
        // The user's change of mode drops them too; a wavelength step back to single
        // band keeps the curves and their colours: 0.54 over the 0.55 kept.
        QTest::newRow("wavelength step")
            << P{"0.55", separar, "0.55", "bajar_onda_centesima", "boton_graficar"} << false
            << C{verde, verde_54} << C(6, QColor(153, 255, 0)) << "ranuras|ancho|distancia";
    }

    void bandas() {
        QFETCH(QStringList, pasos);
        QFETCH(bool, separadas);
        QFETCH(QList<QColor>, luces);
        QFETCH(QList<QColor>, columnas);
        QFETCH(QString, parados);
        Escena f(rendija());
        const auto rotulo = [&](const char* o) {
            return f.control(o)->palette().color(QPalette::WindowText);
        };
        for (const QString& paso : pasos) {
            if (paso[0].isDigit()) {
                f.escribir(Magnitud::onda, paso);
                f.graficar();
                continue;
            }
            clic(f.control(qPrintable(paso)));
            if (paso == "opcion_bandas_separadas") { // the chosen mode's caption in red
                QCOMPARE(rotulo("opcion_bandas_separadas"), rojo);
                QCOMPARE(rotulo("opcion_banda_unica"), QColor(1, 0, 0));
            }
        }
        QCOMPARE(f.control<QRadioButton>("opcion_bandas_separadas")->isChecked(), separadas);
        for (BotonSpin* b : f->findChildren<BotonSpin*>()) {
            const bool parado =
                !parados.isEmpty() && b->objectName().contains(QRegularExpression(parados));
            QVERIFY2(b->isEnabled() != parado, qPrintable(b->objectName()));
        }
        for (int x = 0; x < 6; ++x) {
            QCOMPARE(color_en(caja(f, "sector_ampliado"), {x + 0.5, 0}), columnas[x]);
        }
        // Under the sector the last colour across, or one a column; beside the list one a curve.
        for (int k = 1; k <= 6; ++k) {
            const QColor luz = k <= luces.size() ? luces[k - 1] : blanco;
            QCOMPARE(cuadro(f, "bandas", k), separadas || luces.isEmpty() ? luz : luces.last());
            QCOMPARE(cuadro(f, "lista", k), luz);
            // A screen reader hears whose colour a square shows, as beside the list.
            const auto nombre = [&](const char* fila, qsizetype j) {
                return f.control(qPrintable(QStringLiteral("cuadro_%1_%2").arg(fila).arg(j)))
                    ->accessibleName();
            };
            const qsizetype de = separadas || luces.isEmpty() ? k : luces.size();
            QCOMPARE(nombre("bandas", k), nombre("lista", de));
        }
        // The rays of the sketch in the last light's colour.
        if (!luces.isEmpty()) {
            const QPointF rayo(2.49, -0.56 + 0.65 * std::tan(0.15));
            QVERIFY(cuantos(caja(f, "esquema"), rayo, luces.last()) > 0);
        }
    }

    // N 2, a 0.3, d 1.5, L 0.55 over sines -0.77..0.77: orders -2..2 near m L / d.
    // The brightest row near each order is where the pointer over the sector
    // reads the sine of the graph's maximum there (the slit factor and the
    // obliquity pull broad maxima off m L / d).
    void bandas_donde_cae_la_luz() {
        const LocalePrueba locale(locale_punto());
        Escena f(inic_con({{1, "-1.2068, -2, 2"},
                           {2, "1.2068, -2, 2"},
                           {3, "2, 1, 500"},
                           {4, "0.3, 0.1, 100"},
                           {5, "1.5, 1, 100"}}));
        f.graficar();
        auto* sector = caja(f, "sector_ampliado");
        std::vector<double> leido; // the read-out along the middle column, row by row
        for (int y = 0; y < sector->height(); ++y) {
            mover_raton(sector, QPointF(sector->width() / 2.0, y + 0.5));
            leido.push_back(leer_numero(f.control<QLabel>("lectura_seno")->text()));
        }
        const QImage img = sector->imagen();
        const auto verde = [&](int y) {
            return img.pixelColor(img.width() / 2, int((y + 0.5) * img.devicePixelRatio())).green();
        };
        const Red red = f.parametros().red();
        for (int m = -2; m <= 2; ++m) {
            const double orden = m * 0.55 / 1.5;
            double seno = orden;
            for (double s = orden - 0.09; s < orden + 0.09; s += 1e-5) {
                seno = red(s) > red(seno) ? s : seno;
            }
            // The row whose read-out is nearest that sine is the brightest within a
            // fifth of an order either way.
            const auto cerca =
                std::ranges::min_element(leido, {}, [&](double l) { return std::fabs(l - seno); });
            const int fila = static_cast<int>(cerca - leido.begin());
            const int cerco = sector->height() / 40;
            int brillante = fila;
            for (int y = std::max(0, fila - cerco);
                 y <= std::min(sector->height() - 1, fila + cerco); ++y) {
                brillante = verde(y) > verde(brillante) ? y : brillante;
            }
            QVERIFY2(std::abs(brillante - fila) <= 1,
                     qPrintable(QStringLiteral("order %1: read-out at row %2, light at %3")
                                    .arg(m)
                                    .arg(fila)
                                    .arg(brillante)));
        }
    }

    void a_cualquier_tamano_data() {
        QTest::addColumn<QSize>("tamano");
        QTest::newRow("700 x 480") << QSize(700, 480);
        QTest::newRow("1900 x 1000") << QSize(1900, 1000);
        QTest::newRow("4000 x 3000") << QSize(4000, 3000); // more pixel rows than band rows
    }

    void a_cualquier_tamano() {
        QFETCH(QSize, tamano);
        // A sector narrower than one fringe, all of it lit: every row shows light.
        Escena f(rendija("0.1, -2, 2", "0.2, -2, 2"));
        f.graficar();
        f->resize(tamano);
        QTRY_COMPARE(f->size(), tamano);
        auto* sector = caja(f, "sector_ampliado");
        const QImage img = sector->imagen();
        for (int y = 0; y < img.height(); ++y) {
            QVERIFY(img.pixelColor(img.width() / 2, y).green() > 200);
        }
        QVERIFY(tamano.height() < 3000 || img.height() > filas_bandas);
        // The sketch meets the controls: the sector's upper left corner at (4.05, 1.69),
        // the strip's right edge at x 3.29, a strip position Y at altura_en_ventana(Y).
        auto* esquema = caja(f, "esquema");
        auto* tira = caja(f, "tira_pantalla");
        const double tolerancia = 2.5 * f->findChild<Diseno*>()->factor() + 1;
        // From pixel p of w to the point u of the sketch.
        const auto hasta = [&](QWidget* w, QPoint p, QPointF u) {
            return esquema->a_pixel(u) - esquema->mapFromGlobal(w->mapToGlobal(p));
        };
        const QPointF esquina = hasta(sector, {0, 0}, {4.05, 1.69});
        QVERIFY(std::abs(esquina.x()) <= tolerancia && std::abs(esquina.y()) <= tolerancia);
        QVERIFY(std::abs(hasta(tira, {tira->width(), 0}, {3.29, 0}).x()) <= tolerancia);
        for (double Y : {-2.0, 0.0, 1.5}) {
            const QPointF d = hasta(tira, pixel_de(tira, {0, Y}), {0, altura_en_ventana(Y)});
            QVERIFY2(std::abs(d.y()) <= 2 * tolerancia, qPrintable(QString::number(Y)));
        }
        QVERIFY(f.mensajes.textos.isEmpty());
    }

    void lecturas_data() {
        QTest::addColumn<QString>("sobre"); // grafica, sector, sin_curva or fondo
        QTest::addColumn<double>("seno");
        QTest::addColumn<double>("X"); // over the sector
        QTest::addColumn<QString>("esperado");
        const QString grafica = QStringLiteral("grafica"), sector = QStringLiteral("sector");
        // Int(X * 1000 + 0.005 * Sgn(X)) / 1000: down for positive sines, and for
        // negative ones the term pushes below, so -0.2503 reads -0.251.
        QTest::newRow("0.2503") << grafica << 0.2503 << 0.0 << "0.25";
        QTest::newRow("-0.2503") << grafica << -0.2503 << 0.0 << "-0.251";
        QTest::newRow("0.123996") << grafica << 0.123996 << 0.0 << "0.124";
        QTest::newRow("-0.0004") << grafica << -0.0004 << 0.0 << "-0.001";
        QTest::newRow("0.0004") << grafica << 0.0004 << 0.0 << "0";
        QTest::newRow("0.11 (maximum)") << grafica << 0.11 << 0.0 << "0.11";
        // Over the sector the term's sign is that of the horizontal position: 0 on the left edge.
        QTest::newRow("sector -0.250003 inside") << sector << -0.250003 << 3.0 << "-0.25";
        QTest::newRow("sector -0.250003 left edge") << sector << -0.250003 << 0.0 << "-0.251";
        QTest::newRow("sector 0.4 right edge") << sector << 0.4 << 6.0 << "0.4";
        // Blank: past the graph (a drag takes the pointer there) X is no sine; without a
        // curve nothing is read; the window's own background empties both.
        QTest::newRow("past the graph") << grafica << 1.2 << 0.0 << "";
        QTest::newRow("past the graph, left") << grafica << -1.5 << 0.0 << "";
        QTest::newRow("no curve") << "sin_curva" << 0.2 << 3.0 << "";
        QTest::newRow("over the background") << "fondo" << 0.2 << 0.0 << "";
    }

    void lecturas() {
        QFETCH(QString, sobre);
        QFETCH(double, seno);
        QFETCH(double, X);
        QFETCH(QString, esperado);
        // In a locale whose decimal mark is not C's: the read-outs take the user's.
        const LocalePrueba locale(locale_coma());
        Escena f;
        if (sobre != "sin_curva") {
            f.graficar();
        }
        if (sobre != "grafica") {
            mover_sobre(caja(f, "sector_ampliado"), {X, seno / std::sqrt(1 - seno * seno)});
        }
        if (sobre != "sector") {
            mover_sobre(caja(f, "grafica"), {seno, 10});
        }
        if (sobre == "fondo") {
            mover_raton(caja(f, "esquema"), QPointF(100, 300));
        }
        QCOMPARE(f.control<QLabel>("lectura_seno")->text(),
                 QString(esperado).replace(QLatin1Char('.'), QLatin1Char(',')));
        // I · a² at the sine, to four decimals at most.
        const QString I = f.control<QLabel>("lectura_intensidad")->text();
        if (esperado.isEmpty()) {
            QCOMPARE(I, QString());
            return;
        }
        const double a_esperar = Intens(Fijo::desde(0.55), 2, 10, 5, seno) * 4;
        QVERIFY2(std::fabs(leer_numero(convertir(I)) - a_esperar) <= 0.00005, qPrintable(I));
        const QRegularExpression forma(QStringLiteral("^\\d*(,\\d{1,4})?$"));
        QVERIFY2(forma.match(I).hasMatch(), qPrintable(I));
    }

    void la_banda_no_marca_la_grafica_y_suelta_la_lupa() {
        Escena f;
        f.graficar();
        auto* grafica = caja(f, "grafica");
        auto* lupa = caja(f, "lupa");
        auto* aviso = f.control<QLabel>("aviso_seleccione");
        const QImage suelta = lupa->imagen();
        clic(lupa); // the magnifier toggles
        QVERIFY(aviso->isVisible() && lupa->imagen() != suelta);
        QCOMPARE(aviso->text(), QStringLiteral("Seleccione "));
        clic(lupa);
        QVERIFY(!aviso->isVisible());
        QCOMPARE(lupa->imagen(), suelta);
        clic(lupa);

        const QImage antes = grafica->imagen();
        const QImage antes_vista = grafica->imagen_visible(); // with the scale's numbers
        const QPoint a = pixel_de(grafica, {-0.2, 5});
        QTest::mousePress(grafica, Qt::LeftButton, {}, a); // a press on the graph releases it
        QVERIFY(!aviso->isVisible());
        QCOMPARE(lupa->imagen(), suelta);
        QTest::mouseMove(grafica, a + QPoint(120, 150));
        QTest::mouseMove(grafica, a + QPoint(60, 80));
        QCOMPARE(grafica->imagen(), antes);
        // Only the last outline shows, inverted in blue over the picture.
        const QImage vista = grafica->imagen_visible();
        int distintos = 0;
        for (int y = 0; y < vista.height(); ++y) {
            for (int x = 0; x < vista.width(); ++x) {
                if (vista.pixel(x, y) != antes_vista.pixel(x, y)) {
                    ++distintos;
                    QCOMPARE(vista.pixel(x, y) ^ antes_vista.pixel(x, y),
                             qRgba(0, 0, 255, 0)); // the band's blue
                    const QPoint d = QPoint(x, y) - a;
                    QVERIFY(std::abs(d.x()) <= 1 || std::abs(d.x() - 60) <= 1 ||
                            std::abs(d.y()) <= 1 || std::abs(d.y() - 80) <= 1);
                }
            }
        }
        QVERIFY(distintos >= 2 * (60 + 80));
        // Escape takes the band away wherever the focus is (a box here); the
        // release then selects nothing, and the next drag does.
        QTest::keyClick(f->windowHandle(), Qt::Key_Escape);
        QCOMPARE(grafica->imagen_visible(), antes_vista);
        bool abierta = false;
        {
            const Modal modal([&](QWidget*) { abierta = true; });
            QTest::mouseRelease(grafica, Qt::LeftButton, {}, a + QPoint(60, 80));
        }
        QVERIFY(!abierta);
        QVERIFY(f.seleccionar({-0.3, 5}, {0.2, 20}));
    }

    void seleccion_data() {
        QTest::addColumn<QString>("antes"); // "", "sin_curva", "limpiar" or "sin_presion"
        QTest::addColumn<QPointF>("desde");
        QTest::addColumn<QPointF>("hasta");
        QTest::addColumn<int>("barra"); // none: the zoom does not open
        // The bar at 100 (x_ini - seno_min) / (R - w), 50 for the middle; a selection
        // past the graph puts it at its end and keeps its width within the range.
        QTest::newRow("down right") << "" << QPointF(-0.05, 5) << QPointF(0.05, 20) << 50;
        QTest::newRow("up left") << "" << QPointF(0.05, 20) << QPointF(-0.05, 5) << 50;
        QTest::newRow("down left") << "" << QPointF(0.05, 5) << QPointF(-0.05, 20) << 50;
        QTest::newRow("past the right end") << "" << QPointF(0.3, 5) << QPointF(0.7, 15) << 100;
        QTest::newRow("past the left end") << "" << QPointF(-0.3, 5) << QPointF(-0.7, 15) << 0;
        const QPointF p(-0.1, 5), q(0.1, 15);
        QTest::newRow("click without a drag") << "" << p << p << -1;
        QTest::newRow("no height") << "" << p << QPointF(0.1, 5) << -1;
        QTest::newRow("no width") << "" << p << QPointF(-0.1, 15) << -1;
        QTest::newRow("as wide as the range") << "" << QPointF(-0.6, 5) << QPointF(0.6, 15) << -1;
        QTest::newRow("no curve") << "sin_curva" << p << q << -1;
        QTest::newRow("after Limpiar") << "limpiar" << p << q << -1;
        QTest::newRow("release without a press") << "sin_presion" << p << q << -1;
    }

    void seleccion() {
        QFETCH(QString, antes);
        QFETCH(QPointF, desde);
        QFETCH(QPointF, hasta);
        QFETCH(int, barra);
        Escena f;
        auto* grafica = caja(f, "grafica");
        auto* marco = f.control("marco_zoom");
        if (antes != "sin_curva") {
            f.graficar();
        }
        if (antes == "limpiar") {
            QVERIFY(f.seleccionar(desde, hasta));
            f.limpiar();
        }
        const QImage imagen = grafica->imagen_visible();
        // The corners as the pointer gives them, whole pixels apart.
        const auto x_de = [&](QPointF u) {
            return static_cast<float>(grafica->a_usuario(pixel_de(grafica, u)).x());
        };
        const float w = std::fabs(x_de(hasta) - x_de(desde));
        const double s0 = f.grafica().seno_min(), s1 = f.grafica().seno_max();
        bool abierto = false;
        if (antes == "sin_presion") {
            const Modal modal([&](QWidget*) { abierto = true; });
            QTest::mouseRelease(grafica, Qt::LeftButton, {}, QPoint(30, 30));
        } else {
            abierto = f.seleccionar(desde, hasta, [&](VentanaZoom& z) {
                const Seleccion& s = z.seleccion();
                QVERIFY(z.isVisible() && marco->isVisible());
                QCOMPARE(buscar<QScrollBar>(&z, QStringLiteral("barra"))->value(), barra);
                QVERIFY(std::fabs(s.x_ini - (s0 + (s1 - s0 - w) * barra / 100)) < 1e-6);
                QVERIFY(std::fabs(s.ancho() - w) < 1e-6 && s.x_fin <= s1 + 1e-6);
                QVERIFY(std::fabs(s.y_ini - 5) < 0.1);
                QVERIFY(std::fabs(s.y_fin - std::max(desde.y(), hasta.y())) < 0.1);
                // The outline on the graph at the selection's corners.
                const QPoint a = grafica->a_pixel({s.x_ini, s.y_ini}).toPoint() - marco->pos();
                const QPoint b = grafica->a_pixel({s.x_fin, s.y_fin}).toPoint() -
                                 marco->geometry().bottomRight();
                QVERIFY(std::max({std::abs(a.x()), std::abs(a.y()), std::abs(b.x()),
                                  std::abs(b.y())}) <= 2);
            });
        }
        QCOMPARE(abierto, barra >= 0);
        QVERIFY(!marco->isVisible()); // hidden with the zoom window
        // The band leaves no mark: the graph as it was, drawn for good.
        QCOMPARE(grafica->imagen_visible(), imagen);
        QVERIFY(grafica->persistente());
        QCOMPARE(grafica->modo(), PictureBox::Modo::copiar);
        QVERIFY(barra < 0 || f.control<QLabel>("lectura_seno")->text().isEmpty());
    }

    void dejado_en_la_pantalla_data() {
        QTest::addColumn<double>("previa"); // where the other marker was dropped before
        QTest::addColumn<bool>("es_sup");
        QTest::addColumn<double>("Y");
        QTest::addColumn<bool>("fuera");     // let go beside the strip
        QTest::addColumn<double>("extremo"); // the end held after the drop
        QTest::addColumn<float>("top");
        QTest::addColumn<QString>("texto"); // in its box; none: the drop is ignored
        const double no = qQNaN();
        QTest::newRow("sup at 1.26") << no << true << 1.26 << false << 1.1 << 1.3F << "0.74";
        QTest::newRow("sup at the top") << no << true << 2.2 << false << 2.0 << 2.2F << "0.89";
        QTest::newRow("inf at -0.04") << no << false << -0.04 << false << 0.0 << 0.0F << "0";
        QTest::newRow("inf at -0.36") << no << false << -0.36 << false << -0.4 << -0.4F << "-0.37";
        // Past the end's limit (-2): the marker stops there, on the strip.
        QTest::newRow("inf at the bottom")
            << no << false << -2.18 << false << -2.0 << -2.0F << "-0.89";
        QTest::newRow("sup below inf") << no << true << -1.0 << false << 0.6 << 0.8F << "";
        QTest::newRow("sup beside the strip") << no << true << 1.26 << true << 0.6 << 0.8F << "";
        QTest::newRow("inf above sup") << no << false << 1.0 << false << -0.6 << -0.6F << "";
        // Tops are single precision (1.3 and 0.3 are not exact there), yet an end
        // equal to the other one is accepted.
        QTest::newRow("inf at sup") << 1.26 << false << 1.1 << false << 1.1 << 1.1F << "0.74";
        QTest::newRow("sup at inf") << 0.3 << true << 0.5 << false << 0.3 << 0.5F << "0.29";
    }

    void dejado_en_la_pantalla() {
        QFETCH(double, previa);
        QFETCH(bool, es_sup);
        QFETCH(double, Y);
        QFETCH(bool, fuera);
        QFETCH(double, extremo);
        QFETCH(float, top);
        QFETCH(QString, texto);
        const LocalePrueba locale(locale_punto());
        Escena f;
        f.graficar();
        const char* const marcadores[] = {"marcador_inferior", "marcador_superior"};
        if (!std::isnan(previa)) {
            arrastrar(f, marcadores[!es_sup], previa);
        }
        auto* tira = caja(f, "tira_pantalla");
        auto* esquema = caja(f, "esquema");
        const QColor fondo = esquema->fondo();
        const Estado antes = estado(f);
        arrastrar(f, marcadores[es_sup], Y, fuera ? tira->width() + 150 : 0);
        QVERIFY(cuantos(esquema, linea(extremo, es_sup), fondo) < 25); // a connector line there
        if (texto.isEmpty()) {
            QVERIFY(estado(f) == antes);
            clic(f.control(marcadores[!es_sup])); // nor does a click without a drag
            QVERIFY(estado(f) == antes);
            return;
        }
        // The old connector line erased, the other end kept; a new sector clears the
        // graph, the bands and the list.
        QCOMPARE(
            cuantos(esquema, linea((es_sup ? antes.sup : antes.inf).a_double(), es_sup), fondo),
            25);
        Estado esperado = antes;
        (es_sup ? esperado.sup : esperado.inf) = Fijo::desde(extremo);
        (es_sup ? esperado.top_sup : esperado.top_inf) = top;
        (es_sup ? esperado.caja_sup : esperado.caja_inf) = texto;
        esperado.curvas = esperado.lista = 0;
        QVERIFY(estado(f) == esperado);
        QVERIFY(std::abs(f.control(marcadores[es_sup])->y() - pixel_de(tira, {0, top}).y()) <= 1);
        // The masks follow the new end (an upper marker sits 0.2 above its end).
        auto* mascara = f.control(es_sup ? "mascara_superior" : "mascara_inferior");
        const int borde = pixel_de(tira, {0, extremo + (es_sup ? 0.2 : 0)}).y();
        QVERIFY(std::abs((es_sup ? mascara->height() : mascara->y()) - borde) <= 1.5);
    }

    void restaurar_la_vista_data() {
        QTest::addColumn<bool>("separadas");   // chosen by the user before
        QTest::addColumn<bool>("ilustracion"); // a picture opened
        QTest::addColumn<bool>("borra");
        // The spot selects the band mode of the last picture's time (separate bands
        // when none was seen); selecting the other one is a change that clears.
        QTest::newRow("no picture seen") << false << false << true;
        QTest::newRow("single band at the picture") << false << true << false;
        QTest::newRow("separate bands at the picture") << true << true << false;
    }

    void restaurar_la_vista() {
        QFETCH(bool, separadas);
        QFETCH(bool, ilustracion);
        QFETCH(bool, borra);
        Escena f;
        if (separadas) {
            clic(f.control("opcion_bandas_separadas"));
        }
        f.graficar();
        if (ilustracion) { // missing: reported, and closed at once
            f.elegir("menu_ver", QStringLiteral("Laboratorio"));
            QCOMPARE(f.mensajes.textos.size(), 1);
        }
        // A press on the graph whose release never comes leaves its drawing off.
        auto* grafica = caja(f, "grafica");
        QTest::mousePress(grafica, Qt::LeftButton, {}, pixel_de(grafica, {0, 5}));
        QVERIFY(!grafica->persistente());
        auto* punto = f.control("punto_restaurar");
        QVERIFY(punto->isVisible());
        clic(punto);
        QVERIFY(!punto->isVisible());
        QVERIFY(grafica->isVisible() && grafica->persistente());
        QVERIFY(f.control("boton_graficar")->isEnabled());
        QCOMPARE(f.control<QRadioButton>("opcion_bandas_separadas")->isChecked(),
                 separadas || borra);
        QCOMPARE(f.curvas(), borra ? 0 : 1);
        QTest::mouseRelease(grafica, Qt::LeftButton, {}, pixel_de(grafica, {0, 5}));
    }
};

QTEST_MAIN(PruebaPantalla)
#include "tst_screen.moc"
