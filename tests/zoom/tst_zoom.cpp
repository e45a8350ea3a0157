#include "grafica/grafica.h"
#include "grafica/ordenada.h"
#include "model/intens.h"
#include "tests/common/entorno.h"
#include "toolkit/forma.h"
#include "toolkit/picture_box.h"
#include "toolkit/texto.h"
#include "toolkit/trazado.h"
#include "zoom/lugar.h"
#include "zoom/ventana_zoom.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Types each case of `c` (N, a, d, L per curve) into the boxes and plots it.
void graficar(const Escena& f, const QList<double>& c) {
    for (qsizetype i = 0; i + 3 < c.size(); i += 4) {
        f.graficar_caso(int(c[i]), c[i + 1], c[i + 2], c[i + 3]);
    }
}

PictureBox* dibujo(const VentanaZoom& z) {
    return buscar<PictureBox>(&z, QStringLiteral("dibujo"));
}

// Where the sum drawn over the selection `s` (on the scale `e`, or the
// drawing's own) departs from the curves' intensities added.
QString suma_infiel(const VentanaZoom& z, const std::vector<Curva>& c, const Seleccion& s,
                    std::optional<Escala> e = std::nullopt) {
    const auto sumar = [&](double x) {
        double I = 0;
        for (const Curva& k : c) {
            I += k.red()(x);
        }
        return I;
    };
    const double franja = std::ranges::min_element(c, {}, &Curva::franja)->franja();
    return infidelidad(dibujo(z), sumar, alto_de_grafica(c.back()), franja, Color(), s.x_ini,
                       s.x_fin, e);
}

// How many pixels show colour `c`, and the topmost and lowest rows where it does.
struct Mancha {
    int n = 0, arriba = 1 << 30, abajo = -1;
};
Mancha mancha(const QImage& img, QRgb c) {
    Mancha m;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (img.pixel(x, y) == c) {
                ++m.n;
                m.arriba = std::min(m.arriba, y);
                m.abajo = std::max(m.abajo, y);
            }
        }
    }
    return m;
}

// Where `w` is on the screen.
QRect en_pantalla(const QWidget* w) {
    return {w->mapToGlobal(QPoint(0, 0)), w->size()};
}

QRgb color_de(PictureBox* p) {
    return p->imagen_fondo().pixel(8, 8);
}

// A part of the bar (thumb, arrows), in its own pixels.
QPoint parte(QScrollBar* barra, QStyle::SubControl cual) {
    QStyleOptionSlider o;
    o.initFrom(barra);
    o.orientation = Qt::Horizontal;
    o.state |= QStyle::State_Horizontal;
    o.maximum = barra->maximum();
    o.sliderPosition = o.sliderValue = barra->value();
    o.pageStep = barra->pageStep();
    return barra->style()->subControlRect(QStyle::CC_ScrollBar, &o, cual, barra).center();
}

} // namespace

class PruebaZoom : public QObject {
    Q_OBJECT
private slots:
    void curvas_de_distinto_N_conservan_sus_alturas() {
        Escena f;
        graficar(f, {2, 2, 10, 0.45, 4, 2, 10, 0.65});
        QVERIFY(f.seleccionar({-0.06, 0}, {0.06, 20}, [&](VentanaZoom& z) {
            const QImage img = dibujo(z)->imagen();
            const Mancha n2 = mancha(img, a_qcolor(f.grafica().curvas()[0].color).rgb());
            const Mancha n4 = mancha(img, a_qcolor(f.grafica().curvas()[1].color).rgb());
            // Both reach the top at the centre and zero intensity at the same height.
            QVERIFY(std::abs(n2.arriba - n4.arriba) <= 2);
            QVERIFY(std::abs(n2.abajo - n4.abajo) <= 2);
            QVERIFY(n4.abajo > img.height() * 9 / 10);
        }));
    }

    // 500 slits 100 micrometres apart: thousands of fringes and some twenty
    // principal maxima in the selection, drawn as the model has them, without aliasing.
    void red_densa() {
        Escena f;
        graficar(f, {500, 1, 100, 0.38});
        QVERIFY(f.seleccionar({-0.04, 0}, {0.05, 250000}, [&](VentanaZoom& z) {
            const Seleccion& s = z.seleccion();
            const Curva& c = f.grafica().curvas()[0];
            const QString falla = infidelidad(dibujo(z), c, c.color, s.x_ini, s.x_fin);
            QVERIFY2(falla.isEmpty(), qPrintable(falla));
        }));
    }

    void suma_data() {
        QTest::addColumn<QList<double>>("curvas"); // N, a, d, L per curve
        QTest::addColumn<bool>("habilitado");      // "Ver Suma"
        QTest::newRow("one curve") << QList<double>{5, 2, 10, 0.5} << false;
        QTest::newRow("wavelength only") << QList<double>{5, 2, 10, 0.5, 5, 2, 10, 0.6} << true;
        QTest::newRow("three, wavelength only")
            << QList<double>{5, 2, 10, 0.5, 5, 2, 10, 0.6, 5, 2, 10, 0.7} << true;
        QTest::newRow("slit width") << QList<double>{5, 2, 10, 0.5, 5, 3, 10, 0.5} << false;
        QTest::newRow("slit distance") << QList<double>{5, 2, 10, 0.5, 5, 2, 12, 0.5} << false;
        QTest::newRow("N") << QList<double>{5, 2, 10, 0.5, 6, 2, 10, 0.5} << false;
        QTest::newRow("first pair differs")
            << QList<double>{5, 2, 10, 0.5, 6, 2, 10, 0.5, 6, 2, 10, 0.6} << false;
    }

    // "Ver Suma" for curves of one grating: the model's curves added, in black.
    void suma() {
        QFETCH(QList<double>, curvas);
        QFETCH(bool, habilitado);
        Escena f;
        graficar(f, curvas);
        QVERIFY(f.seleccionar({0.15, 18}, {0.25, 24}, [&](VentanaZoom& z) {
            QCOMPARE(buscar(&z, "boton_suma")->isEnabled(), habilitado);
            if (habilitado) {
                clic(buscar(&z, "boton_suma"));
                const QString falla = suma_infiel(z, f.grafica().curvas(), z.seleccion());
                QVERIFY2(falla.isEmpty(), qPrintable(falla));
            }
        }));
    }

    void barra_lupas_y_suma() {
        Escena f;
        // "LupaInNo.bmp" is missing: that button keeps the picture it shows.
        const QColor ou_si(10, 200, 10), ou_no(200, 10, 10), in_si(10, 10, 200);
        for (const auto& [nombre, color] :
             {std::pair{"LupaOuSi.bmp", ou_si}, {"LupaOuNo.bmp", ou_no}, {"LupaInSi.bmp", in_si}}) {
            QImage img(16, 16, QImage::Format_RGB32);
            img.fill(color);
            QVERIFY(img.save(f.carpeta.ruta(QString::fromLatin1(nombre)), "BMP"));
        }
        graficar(f, {5, 2, 10, 0.5, 5, 2, 10, 0.6});
        auto* marco = f.control<Forma>("marco_zoom");
        const double s0 = f.grafica().seno_min(), s1 = f.grafica().seno_max();
        QVERIFY(f.seleccionar({-0.05, 5}, {0.05, 20}, [&](VentanaZoom& z) {
            auto* alejar = buscar<PictureBox>(&z, "lupa_alejar");
            auto* acercar = buscar<PictureBox>(&z, "lupa_acercar");
            auto* suma = buscar(&z, "boton_suma");
            auto* barra = buscar<QScrollBar>(&z, "barra");
            const auto lupas = [&](const QColor& a, const QColor& b) {
                QCOMPARE(color_de(alejar), a.rgb());
                QCOMPARE(color_de(acercar), b.rgb());
            };
            const auto negros = [&] { return mancha(dibujo(z)->imagen(), qRgb(0, 0, 0)).n; };
            const Seleccion s = z.seleccion();
            const double alto = s.y_fin - s.y_ini;
            clic(alejar); // zoom out: twice the range
            // The zoom's extremes are single precision, as the graph's scale.
            QVERIFY(std::fabs(dibujo(z)->escala().height - 2 * alto) < 1e-6 * alto);
            QVERIFY(std::fabs(dibujo(z)->escala().top - (s.y_ini - alto)) < 1e-4);
            lupas(ou_no, in_si);

            // The sum in black, over the doubled range the curves were drawn on.
            QCOMPARE(negros(), 0);
            const Escala doble = dibujo(z)->escala();
            clic(suma);
            QVERIFY(!suma->isEnabled());
            const QString falla = suma_infiel(z, f.grafica().curvas(), s, doble);
            QVERIFY2(falla.isEmpty(), qPrintable(falla));
            // The doubled range was for that drawing only: the window active again draws
            // the curves at the selection's range.
            QEvent fuera(QEvent::WindowDeactivate), dentro(QEvent::WindowActivate);
            QCoreApplication::sendEvent(&z, &fuera);
            QCOMPARE(dibujo(z)->figuras(), std::size_t{0});
            QCoreApplication::sendEvent(&z, &dentro);
            QVERIFY(std::fabs(dibujo(z)->escala().height - alto) < 1e-6 * alto);
            QCOMPARE(dibujo(z)->figuras(), std::size_t{2});
            clic(acercar); // zoom in: curves and sum again
            QCOMPARE(dibujo(z)->figuras(), std::size_t{3});
            QCOMPARE(color_de(alejar), ou_si.rgb());
            clic(alejar);

            // An arrow moves the selection by the small step; the magnifiers reset
            // and the curves are redrawn without the sum, which no zoom brings back.
            const int antes = barra->value();
            QCOMPARE(barra->singleStep(), 3); // 1 + 20 * 0.1 / (1.029 - 0.1)
            QTest::mouseClick(barra, Qt::LeftButton, {}, parte(barra, QStyle::SC_ScrollBarAddLine));
            QCOMPARE(barra->value(), antes + 3);
            const Seleccion& t = z.seleccion();
            const double x_ini = s0 + (s1 - s0 - s.ancho()) * barra->value() / 100;
            QVERIFY(std::fabs(t.x_ini - x_ini) < 1e-6 && std::fabs(t.ancho() - s.ancho()) < 1e-6);
            QVERIFY(std::abs(marco->x() -
                             f.control<PictureBox>("grafica")->a_pixel({t.x_ini, 0}).x()) <= 1);
            QVERIFY(std::fabs(dibujo(z)->escala().height - alto) < 1e-6 * alto);
            lupas(ou_si, in_si);
            QVERIFY(suma->isEnabled());
            clic(alejar);
            QCOMPARE(negros(), 0);

            // Dragging the thumb only moves the outline; the drawing follows on release.
            const QImage dibujado = dibujo(z)->imagen();
            const int valor = barra->value(), caja = marco->x();
            const QPoint p = parte(barra, QStyle::SC_ScrollBarSlider);
            const QPoint q = p + QPoint(barra->width() / 4, 0);
            QTest::mousePress(barra, Qt::LeftButton, {}, p);
            QTest::mouseMove(barra, q);
            QCOMPARE(barra->value(), valor);
            QVERIFY(marco->x() > caja + 20);
            QCOMPARE(dibujo(z)->imagen(), dibujado);
            QTest::mouseRelease(barra, Qt::LeftButton, {}, q);
            QVERIFY(barra->value() > valor && dibujo(z)->imagen() != dibujado);

            // Against the end: the selection keeps its width and stops at the range's end.
            QTest::keyClick(barra, Qt::Key_End);
            QCOMPARE(barra->value(), 100);
            QVERIFY(std::fabs(z.seleccion().x_fin - s1) < 1e-6);
        }));
    }

    // What a screen reader hears of the data frame and the zoom window: each
    // control's role and name, the read-outs with their numbers, the squares
    // with their curves' wavelengths, the rows with their curves.
    void accesibilidad() {
        const LocalePrueba locale(locale_coma());
        Escena f;
        graficar(f, {5, 2, 10, 0.45, 5, 3, 10, 0.65});
        mover_sobre(f.control<PictureBox>("grafica"), {0.1, 5});
        const QString intensidad = f.control<QLabel>("lectura_intensidad")->text();
        QVERIFY(!intensidad.isEmpty());
        const auto oye = [](QObject* o, QAccessible::Role rol, const QString& dicho) {
            QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
            QVERIFY2(i && i->role() == rol, qPrintable(o->objectName()));
            QCOMPARE(i->text(QAccessible::Name), dicho);
        };
        const auto nombre = [](QObject* o) {
            return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
        };
        oye(f.control("marco_datos"), QAccessible::Grouping, "Datos de espectro");
        oye(f.control("grafica"), QAccessible::Graphic, "Gráfica de intensidades");
        oye(f.control("lupa"), QAccessible::Button, "Lupa");
        oye(f.control("lista_intensidades"), QAccessible::List,
            "Intensidad en el centro de la pantalla");
        oye(f.control("lectura_seno"), QAccessible::StaticText, "Seno 0,1");
        oye(f.control("lectura_intensidad"), QAccessible::StaticText, "Intensidad " + intensidad);
        QCOMPARE(nombre(f.control("marco_zoom")), QStringLiteral("Zona ampliada"));
        QCOMPARE(nombre(f.control("cuadro_lista_1")), QStringLiteral("Curva 1: 0,45 micrones"));
        QCOMPARE(nombre(f.control("cuadro_lista_2")), QStringLiteral("Curva 2: 0,65 micrones"));
        QCOMPARE(nombre(f.control("cuadro_lista_3")), QStringLiteral("Sin curva"));
        QAccessibleInterface* lista =
            QAccessible::queryAccessibleInterface(f.control("lista_intensidades"));
        QCOMPARE(lista->childCount(), 2);
        QCOMPARE(lista->child(0)->text(QAccessible::Name), QStringLiteral("Curva 1: 100"));
        QCOMPARE(lista->child(1)->text(QAccessible::Name), QStringLiteral("Curva 2: 225"));

        QVERIFY(f.seleccionar({-0.05, 5}, {0.05, 20}, [&](VentanaZoom& z) {
            oye(&z, QAccessible::Dialog, "Zoom");
            oye(buscar(&z, "dibujo"), QAccessible::Graphic, "Gráfica ampliada");
            oye(buscar(&z, "barra"), QAccessible::ScrollBar, "Posición de la selección");
            oye(buscar(&z, "boton_copiar"), QAccessible::Button, "Copiar al Portapapeles");
            oye(buscar(&z, "boton_suma"), QAccessible::Button, "Ver Suma");
            oye(buscar(&z, "lupa_alejar"), QAccessible::Button, "Alejar");
            oye(buscar(&z, "lupa_acercar"), QAccessible::Button, "Acercar");
            oye(buscar(&z, "boton_cerrar"), QAccessible::Button, "Cerrar");
            for (QWidget* w : z.findChildren<QWidget*>()) {
                QVERIFY2(!nombre(w).isEmpty(), qPrintable(w->objectName()));
            }
            // A magnifier pressed by the screen reader, as a click would.
            const double alto = dibujo(z)->escala().height;
            QAccessible::queryAccessibleInterface(buscar(&z, "lupa_alejar"))
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(dibujo(z)->escala().height, 2 * alto);
        }));
        // The read-outs emptied say their names only.
        QCOMPARE(nombre(f.control("lectura_seno")), QStringLiteral("Seno"));
        f.limpiar();
        QCOMPARE(nombre(f.control("cuadro_lista_1")), QStringLiteral("Sin curva"));
    }

    // A window of 300 x 200 on a screen of 1000 x 800 beside what it must leave
    // in sight, 8 pixels apart: left, right, below, above, or on the wider side.
    void lugar_junto_a_data() {
        QTest::addColumn<QRect>("despejar");
        QTest::addColumn<QPoint>("lugar");
        QTest::newRow("left") << QRect(400, 100, 300, 300) << QPoint(92, 100);
        QTest::newRow("left, kept on the screen") << QRect(400, 700, 300, 90) << QPoint(92, 600);
        QTest::newRow("right") << QRect(100, 100, 300, 300) << QPoint(408, 100);
        QTest::newRow("below") << QRect(100, 100, 800, 300) << QPoint(100, 408);
        QTest::newRow("above") << QRect(100, 300, 800, 450) << QPoint(100, 92);
        QTest::newRow("nowhere: over it") << QRect(50, 50, 900, 700) << QPoint(0, 50);
    }

    void lugar_junto_a() {
        QFETCH(QRect, despejar);
        QFETCH(QPoint, lugar);
        QCOMPARE(::lugar_junto_a(QSize(300, 200), despejar, QRect(0, 0, 1000, 800)), lugar);
    }

    // One window, made on first use and hidden between openings, until its close
    // box destroys it; each way of closing takes the outline and the sine
    // read-out along. It opens beside the graph, covering neither it, the
    // outline nor the read-outs; Escape and the magnifiers' keys work it; moved
    // by the user, it opens again there, also once destroyed. (Last: the place
    // the user chose lasts for the program's run.)
    void vida_y_lugar_de_la_ventana() {
        const LocalePrueba locale(locale_coma());
        Escena f;
        QVERIFY(f->findChildren<VentanaZoom*>().isEmpty());
        f.graficar();
        f.escribir(Magnitud::ancho, QStringLiteral("1")); // the read-out follows the current set
        auto* seno = f.control<QLabel>("lectura_seno");
        auto* intensidad_leida = f.control<QLabel>("lectura_intensidad");
        QPointer<VentanaZoom> ventana;
        const auto abrir = [&](double x, double Y,
                               const std::function<void(VentanaZoom&)>& operar) {
            QVERIFY(f.seleccionar({x - 0.05, 5}, {x + 0.05, Y}, [&](VentanaZoom& z) {
                QVERIFY(!ventana || ventana == &z);
                ventana = &z;
                QCOMPARE(dibujo(z)->figuras(), std::size_t{1});
                operar(z);
                QVERIFY(!z.isVisible());
            }));
            QVERIFY(!f.control("marco_zoom")->isVisible());
            QCOMPARE(seno->text(), QString());
        };
        abrir(0, 20, [&](VentanaZoom& z) {
            QCOMPARE(z.windowTitle(), QStringLiteral("Zoom"));
            QCOMPARE(z.palette().color(QPalette::Window), QColor(192, 192, 192));
            QCOMPARE(buscar<QScrollBar>(&z, "barra")->pageStep(), 20);
            // The drawing goes to the clipboard as a picture, replacing its text.
            QGuiApplication::clipboard()->setText(QStringLiteral("antes"));
            clic(buscar(&z, "boton_copiar"));
            QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                     dibujo(z)->imagen());
            QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
            clic(buscar(&z, "boton_cerrar"));
        });
        abrir(0, 20, [&](VentanaZoom& z) {
            mover_sobre(dibujo(z), {0.01236, 3});
            QCOMPARE(seno->text(), QStringLiteral("0,0124"));
            const double I = Intens(Fijo::desde(0.55), 1, 10, 5, 0.01236);
            QVERIFY(std::fabs(leer_numero(convertir(intensidad_leida->text())) - I) <= 0.00005);
            mover_sobre(dibujo(z), {-0.02001, 3});
            QCOMPARE(seno->text(), QStringLiteral("-0,02"));
            QTest::mouseClick(dibujo(z), Qt::LeftButton, {}, QPoint(30, 30)); // hides it
            QCOMPARE(dibujo(z)->figuras(), std::size_t{0});
        });
        QVERIFY(!intensidad_leida->text().isEmpty()); // kept when the sine goes
        // Below the graph a selection ends at 0.995 N²; on the edge itself (N² = 25) it
        // is kept, then given the margin 1.02 N² by the zoom window, which draws down to it.
        const auto abajo = [&](VentanaZoom& z, float y_fin) {
            QCOMPARE(z.seleccion().y_fin, y_fin);
            const Escala& e = dibujo(z)->escala();
            QVERIFY(std::fabs(e.top + e.height - y_fin) < 1e-5);
        };
        auto* grafica = f.control<PictureBox>("grafica");
        const auto Y = [&](int fila) { return grafica->a_usuario(QPoint(0, fila)).y(); };
        abrir(0, Y(grafica->height() + 40), [&](VentanaZoom& z) {
            abajo(z, 0.995F * 25);
            QTest::mouseClick(&z, Qt::LeftButton, {}, QPoint(1, 100)); // outside the controls
        });
        const QRect zona = en_pantalla(grafica) | en_pantalla(seno) | en_pantalla(intensidad_leida);
        QPoint movido;
        abrir(0, 20, [&](VentanaZoom& z) {
            QVERIFY(!z.frameGeometry().intersects(zona));
            QVERIFY(!z.frameGeometry().intersects(en_pantalla(f.control("marco_zoom"))));
            // The bar pans with the arrow keys, the right one to the right.
            auto* barra = buscar<QScrollBar>(&z, "barra");
            barra->setFocus();
            const int antes = barra->value();
            const float x_ini = z.seleccion().x_ini;
            QTest::keyClick(z.windowHandle(), Qt::Key_Right);
            QCOMPARE(barra->value(), antes + barra->singleStep());
            QVERIFY(z.seleccion().x_ini > x_ini);
            QTest::keyClick(z.windowHandle(), Qt::Key_Left);
            QCOMPARE(barra->value(), antes);
            // Tab reaches the magnifiers; Space presses them.
            const double alto = dibujo(z)->escala().height;
            auto* alejar = buscar<PictureBox>(&z, "lupa_alejar");
            for (int i = 0; i < 8 && z.focusWidget() != alejar; ++i) {
                QTest::keyClick(z.windowHandle(), Qt::Key_Tab);
            }
            QCOMPARE(z.focusWidget(), alejar);
            QTest::keyClick(z.windowHandle(), Qt::Key_Space);
            QCOMPARE(dibujo(z)->escala().height, 2 * alto);
            movido = z.pos() + QPoint(20, -40);
            z.move(movido);
            QTest::keyClick(z.windowHandle(), Qt::Key_Escape);
        });
        abrir(0.15, Y(grafica->height()), [&](VentanaZoom& z) {
            abajo(z, 25.5F);
            QCOMPARE(z.pos(), movido);
            z.close();
        });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(ventana.isNull());
        abrir(0, 20, [&](VentanaZoom& z) {
            QCOMPARE(z.pos(), movido);
            z.hide();
        });
    }
};

QTEST_MAIN(PruebaZoom)
#include "tst_zoom.moc"
