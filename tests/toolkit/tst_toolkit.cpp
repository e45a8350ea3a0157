#include "toolkit/clics.h"
#include "toolkit/diseno.h"
#include "toolkit/imagen_archivo.h"
#include "toolkit/lectura.h"
#include "toolkit/mensaje.h"
#include "toolkit/picture_box.h"
#include "toolkit/razones.h"
#include "toolkit/texto.h"
#include "toolkit/traducciones.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <tuple>

Q_DECLARE_METATYPE(Escala)
Q_DECLARE_METATYPE(Operacion)

namespace {

// A box shown at a given size, ready to draw on.
struct Caja {
    PictureBox p;
    explicit Caja(int w = 200, int h = 100) {
        p.resize(w, h);
        p.set_fondo(fondo_dibujo);
        p.scale(0, 0, 200, 100);
    }
};

// A figure painted alone on a white image of a given format, as RGB32.
QImage pintada(const Figura& f, QSize tam, int grosor, QImage::Format formato) {
    QImage img(tam, formato);
    img.fill(Qt::white);
    QPainter p(&img);
    pintar_figura(p, f, tam, grosor);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

bool vecino_encendido(const QImage& img, int x, int y) {
    for (int v = -1; v <= 1; ++v) {
        for (int u = -1; u <= 1; ++u) {
            if (img.rect().contains(x + u, y + v) && img.pixel(x + u, y + v) != blanco.rgb()) {
                return true;
            }
        }
    }
    return false;
}

QString nombre(const Figura& f) {
    return QStringLiteral("%1,%2 to %3,%4").arg(f.a.x()).arg(f.a.y()).arg(f.b.x()).arg(f.b.y());
}

} // namespace

class PruebaPictureBox : public QObject {
    Q_OBJECT
private slots:
    // An invert figure drawn again cancels, in the pixels and in the list,
    // nested or interleaved with others (the connector lines' pattern).
    void invertir_dos_veces_restaura() {
        Caja c;
        c.p.linea({10, 10}, {150, 80}, Qt::green);
        const QImage antes = c.p.imagen();
        c.p.set_modo(PictureBox::Modo::invertir);
        for (double i = 0; i < 500; ++i) {
            c.p.caja({20, 20}, {120, 70}, Qt::blue);
            c.p.caja_llena({5, 5}, {50, 50}, gris_marca);
            c.p.linea({0, i}, {199, 0}, Qt::lightGray);
            c.p.linea({3, -i}, {199, 50}, Qt::lightGray);
            QVERIFY(i > 0 || c.p.imagen() != antes);
            c.p.linea({0, i}, {199, 0}, Qt::lightGray);
            c.p.linea({3, -i}, {199, 50}, Qt::lightGray);
            c.p.caja_llena({5, 5}, {50, 50}, gris_marca);
            c.p.caja({20, 20}, {120, 70}, Qt::blue);
        }
        QCOMPARE(c.p.imagen(), antes);
        QCOMPARE(c.p.figuras(), std::size_t{1});
    }

    void repintar_la_misma_figura_no_crece_la_lista() {
        // Rays redrawn in a new colour at every wavelength step, crossed by an
        // inverted line: the picture is as if only the last rays had been drawn.
        Caja c, referencia;
        auto rayos = [](PictureBox& p, const QColor& color) {
            for (int i = 0; i < 8; ++i) {
                p.linea({10, 50}, {190, 5.0 + 12 * i}, color);
            }
            p.caja_llena({0, 48}, {10, 52}, color);
        };
        for (Caja* k : {&c, &referencia}) {
            k->p.set_modo(PictureBox::Modo::invertir);
            k->p.linea({100, 0}, {100, 100}, Qt::lightGray);
            k->p.set_modo(PictureBox::Modo::copiar);
        }
        for (int paso = 0; paso < 3000; ++paso) {
            rayos(c.p, QColor(paso % 256, 255 - paso % 256, 40));
        }
        rayos(referencia.p, QColor(2999 % 256, 255 - 2999 % 256, 40));
        QVERIFY2(c.p.figuras() < 2200, qPrintable(QString::number(c.p.figuras())));
        for (const QSize tam : {QSize(200, 100), QSize(300, 150)}) { // resized: the list replayed
            c.p.resize(tam);
            referencia.p.resize(tam);
            QCOMPARE(c.p.imagen().size(), tam);
            QCOMPARE(c.p.imagen(), referencia.p.imagen());
        }
    }

    void mapa_ida_y_vuelta_data() {
        QTest::addColumn<Escala>("escala");
        QTest::addColumn<QSizeF>("tam");
        QTest::addColumn<QPointF>("usuario");
        QTest::addColumn<QPointF>("area");
        // The screen strip: y from 2.2 at the top down to -2.2.
        const Escala franja{0, 2.2, 1, -4.4};
        QTest::newRow("strip, top left")
            << franja << QSizeF(100, 440) << QPointF(0, 2.2) << QPointF(0, 0);
        QTest::newRow("strip, axis")
            << franja << QSizeF(100, 440) << QPointF(0.25, 1.1) << QPointF(25, 110);
        // The graph: sines across, 0 at the top to N² at the bottom.
        const Escala grafica{-0.5, 0, 1, 25};
        QTest::newRow("graph, twips")
            << grafica << QSizeF(3795, 3150) << QPointF(-0.25, 5) << QPointF(948.75, 630);
        QTest::newRow("beyond the area")
            << grafica << QSizeF(400, 300) << QPointF(0.75, -25) << QPointF(500, -300);
        // An area not laid out yet counts as one unit: no division by zero.
        QTest::newRow("empty area") << grafica << QSizeF(0, 0) << QPointF(0.5, 25) << QPointF(1, 1);
    }

    void mapa_ida_y_vuelta() {
        QFETCH(Escala, escala);
        QFETCH(QSizeF, tam);
        QFETCH(QPointF, usuario);
        QFETCH(QPointF, area);
        const Mapa m(escala, tam);
        QCOMPARE(m.a_area(usuario), area);
        const QPointF vuelta = m.a_usuario(area);
        QVERIFY(std::fabs(vuelta.x() - usuario.x()) < 1e-12 &&
                std::fabs(vuelta.y() - usuario.y()) < 1e-12);
        // Two corners in any order give the same rectangle.
        const QPointF otra(escala.left, escala.top);
        QCOMPARE(m.a_area(usuario, otra), m.a_area(otra, usuario));
        QVERIFY(m.a_area(usuario, otra).width() >= 0 && m.a_area(usuario, otra).height() >= 0);
    }

    // Lines written straight into the picture follow the strokes of the raster
    // engine to within a pixel at any width (the two may round ties
    // differently): an image format the direct path does not take makes the
    // engine draw the same line. (Curves, written the same way, are held to the
    // model by the graph's and the zoom's fidelity tests.)
    void escritura_directa_sigue_al_motor_data() {
        QTest::addColumn<int>("grosor");
        QTest::newRow("2 pixeles") << 2;
        QTest::newRow("3 pixeles") << 3;
    }
    void escritura_directa_sigue_al_motor() {
        QFETCH(int, grosor);
        const QSize tam(97, 61);
        const Escala escala{0, 0, 97, 61};
        std::mt19937 azar(grosor);
        std::uniform_int_distribution<int> x(0, 96), y(0, 60);
        // Every lit pixel of one image has a lit pixel of the other next to it.
        const auto cerca = [&](const QImage& de, const QImage& en) {
            for (int py = 0; py < tam.height(); ++py) {
                for (int px = 0; px < tam.width(); ++px) {
                    if (de.pixel(px, py) != blanco.rgb() && !vecino_encendido(en, px, py)) {
                        return QStringLiteral("pixel %1,%2").arg(px).arg(py);
                    }
                }
            }
            return QString();
        };
        for (int i = 0; i < 200; ++i) {
            const QPointF a(x(azar), y(azar)), b(x(azar) + 0.5, y(azar) + 0.25);
            const Figura f{
                Figura::Tipo::linea, false, qRgb(255, 0, 0), escala, a, b, nullptr, nullptr};
            const QImage directa = pintada(f, tam, grosor, QImage::Format_RGB32);
            const QImage motor = pintada(f, tam, grosor, QImage::Format_ARGB32_Premultiplied);
            const QString falta = cerca(motor, directa), sobra = cerca(directa, motor);
            QVERIFY2(falta.isEmpty(), qPrintable(nombre(f) + QStringLiteral(" misses ") + falta));
            QVERIFY2(sobra.isEmpty(), qPrintable(nombre(f) + QStringLiteral(" adds ") + sobra));
        }
    }

    // A line whose ends lie far outside the picture (as in a deep zoom) is cut
    // to it: drawn at once, it lights only pixels on the line and reaches
    // every pixel of the line's visible part.
    void linea_desde_muy_lejos() {
        const QSize tam(97, 61);
        const Escala escala{0, 0, 97, 61};
        std::mt19937 azar(11);
        std::uniform_int_distribution<int> lejos(-3000000, 3000000), x(0, 96), y(0, 60);
        for (int i = 0; i < 200; ++i) {
            const QPointF a = i % 2 ? QPointF(x(azar), y(azar)) : QPointF(lejos(azar), lejos(azar));
            const QPointF b(lejos(azar), lejos(azar));
            const Figura f{
                Figura::Tipo::linea, false, qRgb(255, 0, 0), escala, a, b, nullptr, nullptr};
            const QImage img = pintada(f, tam, 1, QImage::Format_RGB32);
            // Distances from pixel centres to the segment between the ends, whose
            // coordinates are pixel corners.
            const QPointF p0 = a, d = QPointF(b.x() - a.x(), b.y() - a.y());
            const double largo2 = d.x() * d.x() + d.y() * d.y();
            const auto distancia = [&](double cx, double cy) {
                const double t =
                    std::clamp(((cx - p0.x()) * d.x() + (cy - p0.y()) * d.y()) / largo2, 0.0, 1.0);
                return std::hypot(cx - p0.x() - t * d.x(), cy - p0.y() - t * d.y());
            };
            for (int py = 0; py < tam.height(); ++py) {
                for (int px = 0; px < tam.width(); ++px) {
                    const bool encendido = img.pixel(px, py) != blanco.rgb();
                    const double dist = distancia(px + 0.5, py + 0.5);
                    // Lit pixels are crossed by the line, and the line leaves no
                    // gap: a pixel it crosses near its centre is lit or touches one
                    // that is.
                    if (encendido ? dist > 0.75 : dist <= 0.35 && !vecino_encendido(img, px, py)) {
                        QFAIL(qPrintable(
                            nombre(f) +
                            (encendido ? QStringLiteral(" lights ") : QStringLiteral(" skips ")) +
                            QStringLiteral("%1,%2").arg(px).arg(py)));
                    }
                }
            }
        }
    }

    void limpiar_conserva_la_imagen_de_fondo() {
        Caja c;
        QImage fondo(10, 10, QImage::Format_RGB32);
        fondo.fill(QColor(0, 0, 255));
        c.p.resize(100, 100);
        c.p.set_imagen(fondo);
        c.p.linea({0, 0}, {200, 100}, Qt::white); // through pixel 50, 50
        c.p.limpiar();
        QCOMPARE(c.p.imagen().pixelColor(50, 50), QColor(Qt::blue));
    }

    // A picture cut short is refused as one that is no picture, whatever its kind;
    // the box keeps the picture it had.
    void imagen_incompleta_data() {
        QTest::addColumn<QImage>("imagen");
        QTest::addColumn<QByteArray>("formato");
        QImage color(300, 200, QImage::Format_RGB32);
        color.fill(QColor(200, 30, 30));
        QTest::newRow("BMP, 256 colours")
            << color.convertToFormat(QImage::Format_Indexed8) << QByteArray("BMP");
        QTest::newRow("BMP, 32 bits with alpha")
            << color.convertToFormat(QImage::Format_ARGB32) << QByteArray("BMP");
        QImage ruido(300, 200, QImage::Format_RGB32); // so that the PNG is large enough to cut
        std::mt19937 azar(7);
        for (int y = 0; y < ruido.height(); ++y) {
            for (int x = 0; x < ruido.width(); ++x) {
                ruido.setPixel(x, y, azar() & 0xFFFFFF);
            }
        }
        QTest::newRow("PNG") << ruido << QByteArray("PNG");
    }
    void imagen_incompleta() {
        QFETCH(QImage, imagen);
        QFETCH(QByteArray, formato);
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("imagen"));
        QVERIFY(imagen.save(ruta, formato.constData()));
        QCOMPARE(leer_imagen(ruta).size(), imagen.size());
        Caja c;
        c.p.resize(100, 100);
        QVERIFY(c.p.cargar_imagen(ruta));
        QFile f(ruta);
        QVERIFY(f.size() > 3000);
        QVERIFY(f.resize(3000));
        QVERIFY(leer_imagen(ruta).isNull());
        QVERIFY(!c.p.cargar_imagen(ruta));
        QCOMPARE(c.p.imagen_fondo().size(), imagen.size());
    }
};

class PruebaDiseno : public QObject {
    Q_OBJECT
private slots:
    void escala_uniforme_y_centrada() {
        QWidget raiz;
        raiz.resize(1200, 400); // height limits: factor 400 / (3000 / 15) = 2
        Diseno d(&raiz, 3000, 3000);
        auto* l = new QLabel(&raiz);
        d.colocar(l, {150, 300, 600, 75}, 9);
        d.aplicar();
        QCOMPARE(d.factor(), 2.0);
        const int margen = (1200 - 400) / 2;
        QCOMPARE(l->geometry(), QRect(margen + 20, 40, 80, 10));
        QCOMPARE(l->font().pixelSize(), 24); // 9 pt = 12 px at 96 dpi, twice
        auto* hijo = new QLabel(l);
        d.colocar(hijo, {15, 15, 30, 30}, 0);
        QCOMPARE(hijo->geometry(), QRect(2, 2, 4, 4)); // relative to its parent, no margin
    }
};

// The real message box, worked by `mientras` once it is up, then closed with its OK button.
void con_mensaje_real(const QString& texto, const std::function<void(QMessageBox*)>& mientras) {
    QTimer::singleShot(0, [&] {
        auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(caja != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(caja));
        mientras(caja);
        QTest::mouseClick(caja->button(QMessageBox::Ok), Qt::LeftButton);
    });
    mensaje(texto);
}

// A box whose number is refused when the focus leaves it, as the value boxes do.
class CajaExigente : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<void()> al_rechazar;

protected:
    void focusOutEvent(QFocusEvent* e) override {
        QLineEdit::focusOutEvent(e);
        if (e->reason() != Qt::MouseFocusReason) {
            return; // the message box taking the focus for a while
        }
        const ClicRehusado rehusado;
        setFocus();
        al_rechazar();
        setFocus(); // closing the message box gave it to the window's newest focus
    }
};

class PruebaMensajes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(cargar_traducciones_qt()); }

    void lineas_como_se_escribieron_data() {
        QTest::addColumn<QSize>("ventana");
        QTest::newRow("ventana chica") << QSize(300, 200);
        QTest::newRow("ventana grande") << QSize(1400, 900);
    }
    void lineas_como_se_escribieron() {
        QFETCH(QSize, ventana);
        QWidget principal;
        principal.resize(ventana);
        principal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&principal));
        const QString texto =
            QStringLiteral("Una línea larga, mucho más ancha que la mitad de esta pantalla virtual "
                           "y que los quinientos píxeles de Qt, sin cortes\nY otra corta");
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        con_mensaje_real(texto, [&](QMessageBox* caja) {
            auto* rotulo = caja->findChild<QLabel*>(QStringLiteral("texto_mensaje"));
            QVERIFY(rotulo != nullptr);
            QCOMPARE(rotulo->text(), texto);
            // Qt sizes the box again when its font changes (the window's scale).
            for (const int puntos : {0, 14}) {
                if (puntos > 0) {
                    QFont letra = caja->font();
                    letra.setPointSize(puntos);
                    caja->setFont(letra);
                    QCoreApplication::processEvents();
                }
                const QFontMetrics medidas = rotulo->fontMetrics();
                QCOMPARE(rotulo->height() / medidas.lineSpacing(), 2);
                QVERIFY(rotulo->width() >= medidas.horizontalAdvance(texto.section('\n', 0, 0)));
            }
            QCOMPARE(caja->buttons().size(), 1);
            QCOMPARE(caja->button(QMessageBox::Ok)->text(), QStringLiteral("Aceptar"));
            QCOMPARE(caja->windowTitle(), QStringLiteral("Ondaris"));
            QCOMPARE(caja->icon(), QMessageBox::NoIcon);
            QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        });
        QVERIFY(QGuiApplication::overrideCursor() != nullptr); // back after the message
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QGuiApplication::restoreOverrideCursor();
    }

    void boton_no_queda_presionado_tras_un_rechazo() {
        QWidget ventana;
        auto* caja = new CajaExigente(&ventana);
        auto* boton = new QPushButton(QStringLiteral("Graficar"), &ventana);
        auto* capas = new QVBoxLayout(&ventana);
        capas->addWidget(caja);
        capas->addWidget(boton);
        ventana.show();
        QApplication::setActiveWindow(&ventana);
        QVERIFY(QTest::qWaitForWindowActive(&ventana));
        caja->setFocus();
        QSignalSpy clics(boton, &QAbstractButton::clicked);
        // The release is lost to the message box, as it is when a real user clicks.
        caja->al_rechazar = [&] {
            con_mensaje_real(QStringLiteral("Valor Fuera de rango"),
                             [&](QMessageBox* m) { QTest::mouseRelease(m, Qt::LeftButton); });
        };
        QTest::mousePress(boton, Qt::LeftButton);
        QVERIFY(!boton->isDown());
        QCOMPARE(ventana.focusWidget(), caja);
        QTest::mouseRelease(boton, Qt::LeftButton);
        QCOMPARE(clics.count(), 0);
        // Once the number is accepted the button works as always.
        caja->al_rechazar = [] {};
        caja->clearFocus();
        boton->setFocus();
        QTest::mouseClick(boton, Qt::LeftButton);
        QCOMPARE(clics.count(), 1);
    }

    void picture_box_como_boton_para_un_lector_de_pantalla() {
        PictureBox dibujo;
        QAccessibleInterface* cara = QAccessible::queryAccessibleInterface(&dibujo);
        QCOMPARE(cara->role(), QAccessible::Graphic);
        PictureBox boton;
        boton.setAccessibleName(QStringLiteral("Aumentar N"));
        cara = QAccessible::queryAccessibleInterface(&boton); // a reader may look first
        boton.set_rol(QAccessible::Button);
        QCOMPARE(cara->role(), QAccessible::Button);
    }
};

class PruebaTexto : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    // Two decimals, halves up, as a box shows a sine.
    void formato() {
        QCOMPARE(::formato(0.125), 0.13);
        QCOMPARE(::formato(-0.125), -0.12);
        QCOMPARE(::formato(0.335), 0.34);
    }

    void leer_numero_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("valor");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("comma, not converted") << "0,2" << 0.0;
        QTest::newRow("every comma converted") << convertir("1,5,6 a") << 1.5;
        QTest::newRow("blanks and letters") << " 12abc" << 12.0;
        QTest::newRow("blanks inside") << "1 2\t3" << 123.0;
        QTest::newRow("minus alone") << "-" << 0.0;
        QTest::newRow("minus zero point") << "-0." << 0.0;
        QTest::newRow("exponent") << "1.5E-2" << 0.015;
        QTest::newRow("exponent d") << "2d3" << 2000.0;
        QTest::newRow("exponent unfinished") << "7e" << 7.0;
        QTest::newRow("two signs") << "--1" << 0.0;
        QTest::newRow("leading point") << ".5x" << 0.5;
        QTest::newRow("inf is no number") << "inf" << 0.0;
        QTest::newRow("tiny") << "1e-400" << 0.0;
        // Huge numbers read as infinities, never NaN, so limits still compare.
        QTest::newRow("a thousand nines") << "-" + QString(1000, QLatin1Char('9')) << -qInf();
        // Exponents past any integer type: the magnitude still decides.
        QTest::newRow("negative, exponent of 20 digits") << "-1e99999999999999999999" << -qInf();
        QTest::newRow("exponent of -20 digits") << "1e-99999999999999999999" << 0.0;
        QTest::newRow("small fraction, huge exponent") << "0.0001e99999999999999999999" << qInf();
        QTest::newRow("tiny fraction, exponent up")
            << "0." + QString(400, QLatin1Char('0')) + "1e50" << 0.0;
        QTest::newRow("many digits, exponent down")
            << QString(400, QLatin1Char('9')) + "e-750" << 0.0;
    }

    void leer_numero() {
        QFETCH(QString, texto);
        QFETCH(double, valor);
        QCOMPARE(::leer_numero(texto), valor);
    }

    // Fifteen significant digits, no trailing zeros, never "-0" (how the
    // locale's mark and its separators go is the next test's).
    void texto_de_un_numero() {
        QCOMPARE(texto_numero(0.1 + 0.2), QStringLiteral("0.3"));
        QCOMPARE(texto_numero(-0.0), QStringLiteral("0"));
        QCOMPARE(texto_fijo(Fijo::desde(0.55)), QStringLiteral("0.55"));
        QCOMPARE(texto_fijo(Fijo(25)), QStringLiteral("25"));
    }

    // In every locale Qt knows, what the program writes into a box reads back as
    // the number written, and shows the locale's decimal mark.
    void cada_texto_se_lee_en_todo_locale() {
        const double numeros[] = {-0.51,   0.89,   -0.9,
                                  0.5,     1234.5, 0.3,
                                  -1.5e-7, 2.5e20, -std::numeric_limits<double>::max()};
        const Fijo fijos[] = {Fijo::desde(0.55), Fijo::desde(-12345.5), Fijo(25), Fijo::crudo(-1),
                              Fijo::crudo(922337203685477)};
        const QLocale anterior;
        QStringList fallos;
        const auto locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                      QLocale::AnyTerritory);
        for (const QLocale& l : locales) {
            QLocale::setDefault(l);
            const auto comprobar = [&](const QString& t, double x) {
                if (::leer_numero(convertir(t)) != x ||
                    (x != std::trunc(x) && !t.contains(l.decimalPoint()))) {
                    fallos << l.name() + ": " + t;
                }
            };
            for (double x : numeros) {
                comprobar(texto_numero(x), x);
            }
            for (Fijo x : fijos) {
                comprobar(texto_fijo(x), x.a_double());
            }
        }
        QLocale::setDefault(anterior);
        QVERIFY(locales.size() > 500);
        QVERIFY2(fallos.isEmpty(), qPrintable(QStringLiteral("%1 fallos: ").arg(fallos.size()) +
                                              fallos.mid(0, 12).join(QStringLiteral(" | "))));
    }

    // The system's number first, Qt's kind of error next, its English text last.
    void razones_data() {
        QTest::addColumn<int>("numero");
        QTest::addColumn<Operacion>("op");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("sistema");
        QTest::addColumn<QString>("razon");
        const auto E = Operacion::escribir, L = Operacion::leer;
        const std::tuple<const char*, int, Operacion, int, const char*, QString> filas[] = {
            {"permission", EACCES, E, 0, "", "sin permiso de escritura"},
            {"permission, reading", EACCES, L, 0, "", "sin permiso de lectura"},
            {"not found", ENOENT, L, 0, "", "no existe"},
            {"Qt's full disk", 0, E, QFileDevice::ResourceError, "", "disco lleno"},
            {"disk not answering", EIO, E, 0, "", "el disco no respondió"},
            {"name taken by another file", 0, E, QFileDevice::RenameError, "",
             "no se pudo reemplazar el archivo que tenía ese nombre"},
            {"the system's text", EXDEV, E, QFileDevice::WriteError, "Enlace entre discos",
             "Enlace entre discos"},
            {"the number's text", EXDEV, E, 0, "", QString::fromLocal8Bit(std::strerror(EXDEV))},
            {"Qt's empty default", 0, E, QFileDevice::UnspecifiedError, "Unknown error",
             "causa desconocida"}};
        for (const auto& [fila, numero, op, error, sistema, razon] : filas) {
            QTest::newRow(fila) << numero << op << error << QString::fromUtf8(sistema) << razon;
        }
    }
    void razones() {
        QFETCH(int, numero);
        QFETCH(Operacion, op);
        QFETCH(int, error);
        QFETCH(QString, sistema);
        QFETCH(QString, razon);
        QCOMPARE(::razon(numero, op, static_cast<QFileDevice::FileError>(error), sistema), razon);
    }

    // What a message quotes of a file: its text or what it is instead, and
    // every character that would not show.
    void lo_que_se_cita_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("visto"); // the text made visible, or why it is none
        QTest::addColumn<QString>("nombrado");
        const auto fila = [](const char* n, const QByteArray& b, const char* v, const char* c) {
            QTest::newRow(n) << b << QString::fromUtf8(v) << QString::fromUtf8(c);
        };
        fila("UTF-8 mark",
             "\xEF\xBB\xBF"
             "5",
             "5", "");
        fila("zero width",
             "1\u200B"
             "0",
             "1<U+200B>0", "el carácter U+200B (espacio de ancho cero)");
        fila("tab and DEL", "1\t2\x7F", "1<TAB>2<DEL>", "el carácter U+0009 (tabulador)");
        fila("UTF-16, two characters",
             QByteArray("5\0.\0"
                        "5\0",
                        6),
             "está en UTF-16", "");
        fila("Latin-1", "caf\xE9", "tiene datos binarios", "");
        fila("controls",
             "\x01\x02\x03"
             "5",
             "tiene datos binarios", "");
    }
    void lo_que_se_cita() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, visto);
        QFETCH(QString, nombrado);
        QString por_que;
        const QString texto = texto_de(bytes, &por_que);
        QCOMPARE(texto.isNull() ? por_que : a_la_vista(texto), visto);
        QCOMPARE(caracter_invisible(texto), nombrado);
    }

    // A file too long for the viewer gives its head; one that is no regular
    // file is not read at all.
    void lectura_acotada() {
        QTemporaryDir d;
        const QString largo = d.filePath("largo");
        QFile f(largo);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(100, 'x')) == 100);
        f.close();
        const Lectura cabeza = leer_archivo(largo, 64, Exceso::cortar);
        QCOMPARE(cabeza.bytes, QByteArray(64, 'x'));
        QVERIFY(cabeza.cortado);
        QCOMPARE(leer_archivo(largo, 64).error, QStringLiteral("es demasiado grande (100 bytes)"));
        QVERIFY(!leer_archivo(largo, 100).cortado);
        QCOMPARE(leer_archivo(d.path(), 64).error, QStringLiteral("es una carpeta"));
        const Lectura falta = leer_archivo(d.filePath("no"), 64);
        QVERIFY(!falta.existe && falta.error == QStringLiteral("no existe"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PruebaPictureBox caja;
    PruebaDiseno diseno;
    PruebaTexto texto;
    PruebaMensajes mensajes;
    return QTest::qExec(&caja, argc, argv) + QTest::qExec(&diseno, argc, argv) +
           QTest::qExec(&texto, argc, argv) + QTest::qExec(&mensajes, argc, argv);
}

#include "tst_toolkit.moc"
