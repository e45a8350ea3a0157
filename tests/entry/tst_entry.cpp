// The value boxes and spin buttons: the pure step rules; a number typed and the
// box left, however the focus goes; each button's steps, press mark and pause;
// the lock between geometry and wavelength steps while curves are compared.
#include "entry/boton_spin.h"
#include "entry/caja_valor.h"
#include "entry/entrada.h"
#include "entry/reglas_paso.h"
#include "tests/common/entorno.h"
#include "toolkit/colores.h"
#include "toolkit/picture_box.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <array>
#include <chrono>
#include <functional>
#include <iterator>

// Fixed-point values read as numbers in failure reports.
inline char* toString(const Fijo& x) {
    return qstrdup(QByteArray::number(x.a_double(), 'f', 4).constData());
}

namespace {

Fijo f(double x) {
    return Fijo::desde(x);
}

// The shipped "inic.dat" with the sector's ends (tangents, limits -2..2) replaced.
QString inic_sector(double inferior, double superior) {
    const QByteArray i = QByteArray::number(inferior) + ", -2, 2";
    const QByteArray s = QByteArray::number(superior) + ", -2, 2";
    return inic_con({{1, i.constData()}, {2, s.constData()}});
}

CajaValor* caja(const Escena& e, Magnitud m) {
    return buscar<CajaValor>(e.ventana.get(), nombre_caja(m));
}

// The quantity a control steps or shows: "subir_onda_milesima" is the wavelength.
Magnitud magnitud_de(const QString& nombre) {
    for (Magnitud m : magnitudes) {
        if (nombre.contains(nombre_caja(m).mid(5))) { // "caja_onda" less "caja_"
            return m;
        }
    }
    qFatal("no quantity in %s", qPrintable(nombre));
}

bool seleccionada(const QLineEdit* c) {
    return c->palette().color(QPalette::Base) == QColor(0, 0, 130) &&
           c->palette().color(QPalette::Text) == QColor(200, 200, 200);
}

int seleccionadas(const Escena& e) {
    return static_cast<int>(
        std::ranges::count_if(magnitudes, [&](Magnitud m) { return seleccionada(caja(e, m)); }));
}

// How many of the six wavelength buttons, or of the six geometry buttons (N, a, d), are enabled.
int habilitados(const Escena& e, bool onda) {
    int n = 0;
    for (const char* q : onda ? std::array{"onda", "onda_centesima", "onda_milesima"}
                              : std::array{"ranuras", "ancho", "distancia"}) {
        for (const char* sentido : {"subir_", "bajar_"}) {
            n += e.control(qPrintable(sentido + QString::fromLatin1(q)))->isEnabled() ? 1 : 0;
        }
    }
    return n;
}

// A data table whose rows are the structs of an array, named by their field
// `nombre`; the test reads its row with `fila`.
template <class T, std::size_t n> void filas(const T (&t)[n]) {
    QTest::addColumn<int>("i");
    for (std::size_t i = 0; i < n; ++i) {
        QTest::newRow(t[i].nombre) << static_cast<int>(i);
    }
}

template <class T, std::size_t n> const T& fila(const T (&t)[n]) {
    QFETCH(int, i);
    return t[i];
}

const QString fuera = QStringLiteral("Valor Fuera de rango");

// A number typed into box `caja` (limits: tangents -2..2, N 1..500, a and d
// 0.1..100, L 0.38..0.78) and the box left (by Tab unless told). The end boxes
// take sines, stored as tangents while being typed, clamped to their limits; a
// sine with no place on the screen is refused. Tabbing into an end's box
// changes nothing, though it shows its end to two decimals.
struct Salida {
    const char* nombre;
    bool coma;
    int caja;
    QString tecleado, mostrado; // mostrado: after leaving
    double en_vivo, guardado;   // stored while typing and after leaving
    bool aceptada;
    QString vivo = {}; // shown while typing, when not what was typed
    QString destino = QStringLiteral("Tab");
};
const QString mil(1000, QLatin1Char('9'));
const Salida tabla_salidas[] = {
    {"punto: 0,5 en a", false, 4, "0,5", "0.5", 2, 0.5, true},
    {"coma: 12,34567 en d, a cuatro decimales", true, 5, "12,34567", "12,3457", 10, 12.3457, true},
    {"punto: retroceso vacia d", false, 5, "\b", "", 10, 10, false, QStringLiteral("")},
    {"punto: cota 0.78 en L", false, 6, "0.78", "0.78", 0.55, 0.78, true},
    {"coma: 7,6 en N es entero", true, 3, "7,6", "8", 5, 8, true},
    {"punto: 2.5 en N es entero", false, 3, "2.5", "2", 5, 2, true},
    {"punto: 0.55 en N, antes de redondear", false, 3, "0.55", "0.55", 5, 5, false},
    {"punto: 0.5 en N", false, 3, "0.5", "0.5", 5, 5, false},
    {"punto: 1.4 en N es 1", false, 3, "1.4", "1", 5, 1, true},
    {"punto: 500.4 en N", false, 3, "500.4", "500.4", 5, 5, false},
    {"coma: 0,3 en L", true, 6, "0,3", "0,3", 0.55, 0.55, false},
    {"punto: mil cifras en d", false, 5, mil, mil, 10, 10, false},
    {"coma: 0,3 en caja 2", true, 2, "0,3", "0,3", 0.3145, 0.3145, true},
    {"punto: 0.95 en caja 2", false, 2, "0.95", "0.89", 1.9519, 1.9519, true, "0.89"},
    {"coma: 0,95 en caja 2", true, 2, "0,95", "0,89", 1.9519, 1.9519, true, "0,89"},
    {"punto: -0.95 en caja 1", false, 1, "-0.95", "-0.89", -2, -2, true, "-0.9"},
    {"punto: 0.95 en caja 1", false, 1, "0.95", "0.89", 2, 2, true},
    {"punto: -0. en caja 1", false, 1, "-0.", "0", 0, 0, true},
    {"punto: 1 en caja 1", false, 1, "1", "1", -0.6, -0.6, false},
    {"punto: -1 en caja 2", false, 2, "-1", "-1", 0, 0, false},
    {"punto: 5 en caja 2", false, 2, "5", "0.89", 1.9519, 1.9519, true, "0.89"},
    {"punto: 1e999 en caja 1", false, 1, "1e999", "1e999", -0.6, -0.6, false},
    {"punto: exponente de 20 cifras en caja 1", false, 1, "1e99999999999999999999",
     "1e99999999999999999999", -0.6, -0.6, false},
    {"punto: -1e999 en caja 1", false, 1, "-1e999", "-0.89", -2, -2, true, "-0.9"},
    {"punto: nan en caja 1", false, 1, "nan", "0", 0, 0, true},
    {"punto: 0.9999999 en caja 1", false, 1, "0.9999999", "0.89", 2, 2, true},
    {"600 en N: Backtab", false, 3, "600", "600", 5, 5, false, {}, "Backtab"},
    {"600 en N: caja superior", false, 3, "600", "600", 5, 5, false, {}, "caja_superior"},
    {"600 en N: Limpiar", false, 3, "600", "600", 5, 5, false, {}, "boton_limpiar"},
    {"600 en N: flecha de N", false, 3, "600", "600", 5, 5, false, {}, "subir_ranuras"},
    {"600 en N: flecha de L", false, 3, "600", "600", 5, 5, false, {}, "subir_onda_centesima"},
    {"600 en N: menu", false, 3, "600", "600", 5, 5, false, {}, "menu"},
    {"600 en N: otra ventana", false, 3, "600", "600", 5, 5, false, {}, "otra ventana"},
    {"600 en N: mensaje real", false, 3, "600", "600", 5, 5, false, {}, "mensaje real"},
};

// Runs `accion` whenever `w` paints: the only moment the window shows anything
// while a spin click holds it.
struct AlPintar : QObject {
    AlPintar(QWidget* w, std::function<void()> a) : accion(std::move(a)) {
        w->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            accion();
        }
        return false;
    }
    std::function<void()> accion;
};

// Clicks on one button from a start-up value; the value stored and shown after
// (with a decimal comma where it has one), and the press mark of the last click.
// The sector's ends are tangents, shown as sines to two decimals.
struct Pasos {
    const char* nombre;
    QString inic;
    const char* boton;
    int clics;
    double esperado;
    QString texto;
    bool en_espera = false; // the real pause, two more clicks arriving while it holds
};
const QString onda_075 = inic_con({{6, "0.75, 0.38, 0.78"}});
const QString onda_038 = inic_con({{6, "0.38, 0.38, 0.78"}});
const Pasos tabla_pasos[] = {
    {"N 9 sube a 10", inic_con({{3, "9, 1, 500"}}), "subir_ranuras", 1, 10, "10"},
    {"N 400 sube a su cota", inic_con({{3, "400, 1, 500"}}), "subir_ranuras", 1, 500, "500"},
    {"N 1 no baja de su cota", inic_con({{3, "1, 1, 500"}}), "bajar_ranuras", 1, 1, "1"},
    {"a 1 baja a 0.9", inic_con({{4, "1, 0.1, 100"}}), "bajar_ancho", 1, 0.9, "0.9"},
    {"d 20 baja dos veces", inic_con({{5, "20, 1, 100"}}), "bajar_distancia", 2, 9, "9"},
    {"L 0.75 no pasa su cota", onda_075, "subir_onda", 1, 0.75, "0.75"},
    {"L 0.75 fino", onda_075, "subir_onda_centesima", 1, 0.76, "0.76"},
    {"L 0.75 finisimo", onda_075, "subir_onda_milesima", 1, 0.751, "0.751"},
    {"L 0.38 fino en su cota", onda_038, "bajar_onda_centesima", 1, 0.38, "0.38"},
    {"L 40 pasos exactos a su cota", onda_038, "subir_onda_centesima", 40, 0.78, "0.78"},
    {"L 13 pasos finisimos, coma", inic_con({{6, "0.78, 0.38, 0.78"}}), "bajar_onda_milesima", 13,
     0.767, "0,767"},
    {"sector ancho 2", inic_sector(-1, 1), "subir_inferior", 1, -0.8, "-0.62"},
    {"0.30 no pasa a 0.31", inic_sector(0.3, 0.31), "subir_inferior", 1, 0.3, "0.29"},
    {"0.31 no baja a 0.30", inic_sector(0.3, 0.31), "bajar_superior", 1, 0.31, "0.3"},
    {"inferior en su cota", inic_sector(-2, 1), "bajar_inferior", 1, -2, "-0.89"},
    {"superior pasaria su cota", inic_sector(1.9, 2), "subir_superior", 1, 2, "0.89"},
    // 0.5f - 0.2 is exactly 0.3: the ends meet, and then the step is 0.
    {"0.29 sube hasta 0.30 y queda", inic_sector(0.29, 0.3), "subir_inferior", 3, 0.3, "0.29"},
    {"d 10 sube tres veces en espera", QString::fromUtf8(CarpetaTrabajo::inic_normal),
     "subir_distancia", 1, 40, "40", true},
};

// A step with one curve on the graph, in either band mode; the single band's
// caption after it (empty: unchanged); then a clearing (`como`) and the lower
// end it leaves.
struct Bloqueo {
    const char* nombre;
    const char* boton;
    bool separadas;
    double esperado;
    const char* rotulo;
    const char* como;
    double inferior;
    QString inic = QString::fromUtf8(CarpetaTrabajo::inic_normal);
};
const Bloqueo tabla_bloqueo[] = {
    {"a arriba; Limpiar", "subir_ancho", false, 3, "último ensayo", "boton_limpiar", -0.6},
    {"N arriba; modo", "subir_ranuras", false, 6, "último ensayo", "opcion_bandas_separadas", -0.6},
    {"d abajo, separadas; extremo", "bajar_distancia", true, 9, "", "bajar_inferior", -0.8},
    {"L arriba, separadas; modo", "subir_onda", true, 0.65, "Intensidad total",
     "opcion_bandas_separadas", -0.6},
    {"L arriba; modo", "subir_onda", false, 0.65, "Intensidad total", "opcion_bandas_separadas",
     -0.6},
    {"L abajo, separadas; Limpiar", "bajar_onda", true, 0.45, "intensidad total", "boton_limpiar",
     -0.6},
    // A step of an end clears even when the step itself is refused.
    {"L centesima; extremo contra el otro", "subir_onda_centesima", false, 0.56, "intensidad total",
     "subir_inferior", 0.3, inic_sector(0.3, 0.31)},
};

// What a box shows and holds after a story: the parameter set, every box's
// text, the messages, and whether the box stays selected.
struct Estado {
    Parametros parametros;
    QStringList textos, mensajes;
    bool seleccionada = false;
    bool operator==(const Estado&) const = default;
};
Estado estado(const Escena& e, Magnitud m) {
    QStringList textos;
    for (Magnitud q : magnitudes) {
        textos << caja(e, q)->text();
    }
    return {e.parametros(), textos, e.mensajes.textos, seleccionada(caja(e, m))};
}

// A key as X11 delivers it: Ctrl+C carries the control character 3.
void tecla(QWidget* w, Qt::Key k, Qt::KeyboardModifiers mod, const QString& texto,
           bool repetida = false, bool suelta = true) {
    QTest::simulateEvent(w, true, k, mod, texto, repetida);
    if (suelta) {
        QTest::simulateEvent(w, false, k, mod, texto, repetida);
    }
}

// Up and Down in a box are its buttons (for the wavelength the 0.1 ones) and
// leave the new number selected for the next one typed; a screen reader's
// press on the up button (Key_unknown) is a click. A number typed is taken
// first, as leaving takes it; refused, nothing steps. A button locked while
// curves are compared (null: after a geometry step with a curve) takes no key.
struct Flecha {
    const char* nombre;
    int caja;
    QString tecleado;
    Qt::Key tecla;
    double esperado;
    bool aceptado = true;
};
const Flecha tabla_flechas[] = {
    {"N 7", 3, "7", Qt::Key_Up, 8},
    {"N 600", 3, "600", Qt::Key_Up, 5, false},
    {"a arriba", 4, "", Qt::Key_Up, 3},
    {"d abajo", 5, "", Qt::Key_Down, 9},
    {"L 0.5", 6, "0.5", Qt::Key_Up, 0.6},
    {"L abajo", 6, "", Qt::Key_Down, 0.45},
    {"extremo -0.3", 1, "-0.3", Qt::Key_Up, -0.1145},
    {"superior abajo", 2, "", Qt::Key_Down, 0.4},
    {"L bloqueada", 6, QString(), Qt::Key_Up, 0.55},
    {"N 7, lector", 3, "7", Qt::Key_unknown, 8},
    {"N 600, lector", 3, "600", Qt::Key_unknown, 5, false},
};

} // namespace

class PruebaEntry : public QObject {
    Q_OBJECT
private slots:
    // The step rules alone: each edge of the up and down tables from both sides
    // (b: 1 up, 0 down), and each width of the sector from its ends a and b.
    void reglas_de_paso_data() {
        QTest::addColumn<bool>("sector");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("paso");
        const double valor[][3] = {
            {0.9999, 1, 0.1},   {1, 1, 1},   {9.9999, 1, 1},   {10, 1, 10},        {100, 1, 100},
            {499.9999, 1, 100}, {500, 1, 0}, {1.0999, 0, 0.1}, {1.1, 0, 1},        {10, 0, 1},
            {10.9999, 0, 1},    {11, 0, 10}, {110, 0, 100},    {599.9999, 0, 100}, {600, 0, 0},
        };
        const double sector[][3] = {
            {-1, 1, 0.2},     {-0.25, 0.2501, 0.2}, {-0.25, 0.25, 0.1}, {0.3, 0.4001, 0.1},
            {0.3, 0.4, 0.05}, {0.3, 0.3501, 0.05},  {0.3, 0.35, 0.01},  {0.3, 0.3001, 0.01},
            {0.3, 0.3, 0},    {1, -1, 0.2},
        };
        for (const auto& r : valor) {
            QTest::addRow("%g %s", r[0], r[1] != 0 ? "arriba" : "abajo")
                << false << r[0] << r[1] << r[2];
        }
        for (const auto& r : sector) {
            QTest::addRow("sector %g %g", r[0], r[1]) << true << r[0] << r[1] << r[2];
        }
    }
    void reglas_de_paso() {
        QFETCH(bool, sector);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, paso);
        QCOMPARE(sector ? paso_sector(f(a), f(b))
                        : paso_valor(f(a), b != 0 ? Sentido::arriba : Sentido::abajo),
                 f(paso));
    }

    void salidas_data() { filas(tabla_salidas); }
    void salidas() {
        const Salida& r = fila(tabla_salidas);
        const LocalePrueba locale(r.coma ? locale_coma() : locale_punto());
        Escena e;
        const auto m = static_cast<Magnitud>(r.caja);
        CajaValor* c = caja(e, m);
        const QColor fondo = c->palette().color(QPalette::Base);
        clic(c);
        QVERIFY(seleccionada(c) && seleccionadas(e) == 1);
        QTest::keyClicks(c, r.tecleado); // the first key replaces the number shown
        QCOMPARE(c->text(), r.vivo.isNull() ? r.tecleado : r.vivo);
        QCOMPARE(c->palette().color(QPalette::Base), fondo);
        QCOMPARE(e.parametros().valor(m), f(r.en_vivo));
        if (es_extremo(m)) { // the other end is read again from its box: its sine, to 2 decimals
            QCOMPARE(e.parametros().valor(static_cast<Magnitud>(3 - r.caja)),
                     f(r.caja == 1 ? 0.5929 : -0.5929));
        }
        Parametros esperado = e.parametros();
        esperado.fijar(m, f(r.guardado));

        QWidget otra;
        QTimer contestar;
        const QString& d = r.destino;
        if (d == "Tab") {
            QTest::keyClick(c, Qt::Key_Tab);
        } else if (d == "mensaje real") { // answered when it shows
            set_contestador(nullptr);
            connect(&contestar, &QTimer::timeout, [&] {
                if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    e.mensajes.textos << m->text();
                    m->done(0);
                }
            });
            contestar.start(20);
            QTest::keyClick(c, Qt::Key_Tab);
        } else if (d == "Backtab") {
            QTest::keyClick(c, Qt::Key_Backtab, Qt::ShiftModifier);
        } else if (d == "menu") {
            auto* menu = e.control<QMenu>("menu_archivo");
            QMenuBar* barra = e->menuBar();
            QTest::mouseClick(barra, Qt::LeftButton, {},
                              barra->actionGeometry(menu->menuAction()).center());
            QTRY_VERIFY(menu->isVisible());
            QTest::keyClick(menu, Qt::Key_Escape);
            QTest::keyClick(barra, Qt::Key_Escape);
            QTRY_VERIFY(!menu->isVisible());
        } else if (d == "otra ventana") {
            otra.show();
            otra.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&otra));
            otra.hide();
        } else {
            clic(buscar(e.ventana.get(), d));
        }
        if (d == "menu" || d == "otra ventana" || d == "mensaje real") {
            // A menu, another window or the message box takes the focus for a while
            // and gives it back: the box is not left by that, only by Tab.
            e->activateWindow(); // what a window manager does when the other one closes
            QVERIFY(QTest::qWaitForWindowActive(e.ventana.get()));
            QTRY_VERIFY(c->hasFocus());
            QTest::qWait(100); // any further message box would have shown by now
            if (d != "mensaje real") {
                QVERIFY(e.mensajes.textos.isEmpty());
                QTest::keyClick(c, Qt::Key_Tab);
            }
        }

        QCOMPARE(e.mensajes.textos, r.aceptada ? QStringList() : QStringList{fuera});
        // Leaving does nothing else: no other box is selected or left (an end's box
        // would store the tangent of its rounded sine), no step, no clearing.
        QVERIFY(e.parametros() == esperado);
        QCOMPARE(c->text(), r.mostrado);
        QCOMPARE(seleccionada(c), !r.aceptada);
        QCOMPARE(seleccionadas(e), r.aceptada ? 0 : 1);
        // Refused, the box keeps the focus; accepted, the tab order goes on: L, N,
        // a, d, lower end, upper end, "Graficar".
        const Magnitud orden[] = {Magnitud::onda,      Magnitud::ranuras,  Magnitud::ancho,
                                  Magnitud::distancia, Magnitud::inferior, Magnitud::superior};
        const auto* i = std::next(std::find(std::begin(orden), std::end(orden), m));
        QWidget* siguiente = i == std::end(orden) ? e.control("boton_graficar") : caja(e, *i);
        QVERIFY((r.aceptada ? siguiente : c)->hasFocus());
        // The window goes on working: a sound number is taken as usual, a refused
        // box still selected, so that its first key replaces the number again.
        const char* const sano[] = {"", "0.2", "0.2", "25", "3", "20", "0.6"};
        const double guardado[] = {0, 0.2041, 0.2041, 25, 3, 20, 0.6};
        if (r.aceptada) {
            clic(c);
        }
        QTest::keyClicks(c, QString::fromLatin1(sano[r.caja]));
        QCOMPARE(e.parametros().valor(m), f(es_extremo(m) ? guardado[r.caja] : r.guardado));
        QTest::keyClick(c, Qt::Key_Tab);
        QCOMPARE(e.parametros().valor(m), f(guardado[r.caja]));
        QCOMPARE(e.mensajes.textos.size(), r.aceptada ? 0 : 1);
        QVERIFY(!seleccionada(c));
    }

    void pasos_por_boton_data() { filas(tabla_pasos); }
    void pasos_por_boton() {
        const Pasos& r = fila(tabla_pasos);
        const LocalePrueba locale(r.texto.contains(QLatin1Char(',')) ? locale_coma()
                                                                     : locale_punto());
        const Escena e(r.inic);
        auto* b = e.control<BotonSpin>(r.boton);
        for (int k = 1; k < r.clics; ++k) {
            clic(b);
        }
        const Magnitud m = magnitud_de(QString::fromLatin1(r.boton));
        const QImage antes = b->imagen();
        QImage marcada;
        QElapsedTimer reloj;
        QCoreApplication::processEvents();
        {
            const AlPintar espia(b, [&] {
                if (marcada.isNull()) {
                    marcada = b->imagen();
                    const QPointF p = QRectF(b->rect()).center();
                    for (int k = 0; k < (r.en_espera ? 4 : 0); ++k) { // press, release, twice
                        const bool pulsa = k % 2 == 0;
                        QCoreApplication::postEvent(
                            b, new QMouseEvent(pulsa ? QEvent::MouseButtonPress
                                                     : QEvent::MouseButtonRelease,
                                               p, b->mapToGlobal(p), Qt::LeftButton,
                                               pulsa ? Qt::LeftButton : Qt::NoButton, {}));
                    }
                }
            });
            e.entrada().set_pausa(std::chrono::milliseconds(r.en_espera ? 100 : 0));
            reloj.start();
            clic(b);
        }
        if (r.en_espera) { // the queued clicks wait their turn, and each one is a step
            QVERIFY(reloj.nsecsElapsed() >= 100'000'000);
            QCOMPARE(e.parametros().valor(m), Fijo(20));
            QTRY_COMPARE(e.parametros().valor(m), f(r.esperado));
            QVERIFY(reloj.nsecsElapsed() >= 300'000'000);
        }
        QCOMPARE(e.parametros().valor(m), f(r.esperado));
        QCOMPARE(caja(e, m)->text(), r.texto);
        // While the click holds the window the button shows inverted with grey...
        QCOMPARE(marcada.size(), antes.size());
        int invertidos = 0;
        for (int y = 0; y < antes.height(); ++y) {
            for (int x = 0; x < antes.width(); ++x) {
                invertidos +=
                    (antes.pixel(x, y) ^ gris_marca.rgb() ^ marcada.pixel(x, y)) == 0xff000000;
            }
        }
        QVERIFY(invertidos > antes.width() * antes.height() * 3 / 4);
        // ...and the second drawing restores it, whether the step was taken or not.
        QCOMPARE(b->imagen(), antes);
    }

    void bloqueo_con_curvas_data() { filas(tabla_bloqueo); }
    void bloqueo_con_curvas() {
        const Bloqueo& r = fila(tabla_bloqueo);
        const Escena e(r.inic);
        auto* unica = e.control<QRadioButton>("opcion_banda_unica");
        auto* separada = e.control<QRadioButton>("opcion_bandas_separadas");
        if (r.separadas) {
            clic(separada);
        }
        e.graficar();
        const QString antes = unica->text();
        clic(e.control(r.boton));
        const Magnitud m = magnitud_de(QString::fromLatin1(r.boton));
        const bool onda = m == Magnitud::onda;
        QCOMPARE(e.parametros().valor(m), f(r.esperado));
        QCOMPARE(e.curvas(), 1);
        QCOMPARE(habilitados(e, true), onda ? 6 : 0);
        QCOMPARE(habilitados(e, false), onda ? 0 : 6);
        QCOMPARE(unica->text(),
                 *r.rotulo ? "Banda única/\r\n" + QString::fromUtf8(r.rotulo) : antes);
        if (onda) { // single band is selected without clearing the curve being compared
            QVERIFY(unica->isChecked() && !separada->isChecked());
            QCOMPARE(unica->palette().color(QPalette::WindowText), QColor(255, 0, 0));
            QCOMPARE(separada->palette().color(QPalette::WindowText), QColor(1, 0, 0));
        }
        // Only a clearing ends it: "Limpiar", a step of an end, or the user's own
        // change of band mode, whether the step had a band change to make or not.
        clic(e.control(r.como));
        QCOMPARE(e.parametros().valor(Magnitud::inferior), f(r.inferior));
        QCOMPARE(e.curvas(), 0);
        // Without a curve nothing locks and no caption changes.
        const Fijo L = e.parametros().valor(Magnitud::onda);
        clic(e.control("subir_ancho"));
        clic(e.control("subir_onda_centesima"));
        QCOMPARE(e.parametros().valor(Magnitud::onda), L + f(0.01));
        QCOMPARE(habilitados(e, true) + habilitados(e, false), 12);
        QCOMPARE(unica->text(), QStringLiteral("Banda única "));
    }
    // Keys in the lower end's box just clicked. Keys that write nothing keep its
    // number, the sector and the selection, so a digit then replaces the number
    // (End gives the selection up: the digit goes after it); Ctrl+C copies, and
    // Ctrl+V of "0.3" moves the sector as typing does.
    void teclas_en_extremo_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("mod");
        QTest::addColumn<QString>("luego"); // the box after "0" is typed
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << ctrl << "0";
        QTest::newRow("Ctrl+A") << int(Qt::Key_A) << ctrl << "0";
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << "0";
        QTest::newRow("Mayusculas") << int(Qt::Key_Shift) << 0 << "0";
        QTest::newRow("Fin") << int(Qt::Key_End) << 0 << "-0.510";
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << ctrl << "0.30";
    }
    void teclas_en_extremo() {
        QFETCH(int, k);
        QFETCH(int, mod);
        QFETCH(QString, luego);
        const LocalePrueba locale(locale_punto());
        const Escena e;
        CajaValor* c = caja(e, Magnitud::inferior);
        const auto inferior = [&] { return e.parametros().valor(Magnitud::inferior); };
        clic(c);
        const Estado antes = estado(e, Magnitud::inferior);
        const bool pega = luego == "0.30";
        QGuiApplication::clipboard()->setText(pega ? QStringLiteral("0.3") : QString());
        // As X11 sends them: Ctrl+C carries character 3, Escape 27.
        const QChar control(k == Qt::Key_Escape ? 27 : mod != 0 ? k - Qt::Key_A + 1 : 0);
        tecla(c, Qt::Key(k), Qt::KeyboardModifiers(mod), control.isNull() ? QString() : control);
        if (pega) {
            QCOMPARE(c->text(), QStringLiteral("0.3"));
            QCOMPARE(inferior(), f(0.3145));
        } else {
            QVERIFY(estado(e, Magnitud::inferior) == antes || k == Qt::Key_End);
            QCOMPARE(seleccionada(c), k != Qt::Key_End); // the colours go with the selection
            QVERIFY(e.parametros() == antes.parametros);
            QCOMPARE(QGuiApplication::clipboard()->text(), k == Qt::Key_C ? c->text() : QString());
        }
        QTest::keyClicks(c, QStringLiteral("0"));
        QCOMPARE(c->text(), luego);
        QVERIFY(!seleccionada(c));
        const Fijo esperado = f(pega ? 0.3145 : luego == "0" ? 0 : -0.5929);
        QCOMPARE(inferior(), esperado);
        QTest::keyClick(c, Qt::Key_Tab);
        QCOMPARE(inferior(), esperado);
        QVERIFY(e.mensajes.textos.isEmpty());
    }

    // Enter takes a typed number as Tab does (checks, message, what is stored and
    // shown), keeps the focus and never empties the box; a second Enter asks
    // nothing new of an accepted number, and refuses a refused one again.
    void enter_como_salir_data() {
        QTest::addColumn<int>("i");
        for (std::size_t i = 0; i < std::size(tabla_salidas); ++i) {
            if (tabla_salidas[i].destino == "Tab") {
                QTest::newRow(tabla_salidas[i].nombre) << static_cast<int>(i);
            }
        }
    }
    void enter_como_salir() {
        const Salida& r = fila(tabla_salidas);
        const LocalePrueba locale(r.coma ? locale_coma() : locale_punto());
        const auto m = static_cast<Magnitud>(r.caja);
        bool en_la_caja = false;
        const auto tras = [&](Qt::Key k) {
            const Escena e;
            CajaValor* c = caja(e, m);
            clic(c);
            QTest::keyClicks(c, r.tecleado);
            QTest::keyClick(c, k);
            QTest::keyClick(c, k == Qt::Key_Return ? k : Qt::Key_Shift);
            en_la_caja = c->hasFocus();
            return estado(e, m);
        };
        const Estado tab = tras(Qt::Key_Tab);
        Estado enter = tras(Qt::Key_Return);
        QVERIFY(en_la_caja);
        QCOMPARE(enter.mensajes.size(), tab.mensajes.size() * 2);
        enter.mensajes = tab.mensajes;
        QVERIFY(enter == tab);
    }

    void flechas_de_teclado_data() { filas(tabla_flechas); }
    void flechas_de_teclado() {
        const Flecha& r = fila(tabla_flechas);
        const LocalePrueba locale(locale_punto());
        const Escena e;
        const auto m = static_cast<Magnitud>(r.caja);
        CajaValor* c = caja(e, m);
        if (r.tecleado.isNull()) { // a geometry step with a curve locks the wavelength
            e.graficar();
            clic(e.control("subir_ranuras"));
        }
        clic(c);
        QTest::keyClicks(c, r.tecleado);
        if (r.tecla == Qt::Key_unknown) {
            QAccessible::queryAccessibleInterface(e.control("subir_ranuras"))
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::pressAction());
        } else {
            QTest::keyClick(c, r.tecla);
        }
        QCOMPARE(e.parametros().valor(m), f(r.esperado));
        QCOMPARE(e.mensajes.textos, r.aceptado ? QStringList() : QStringList{fuera});
        QCOMPARE(c->hasFocus(), r.tecla != Qt::Key_unknown || !r.aceptado); // a press takes it
        QVERIFY(!c->hasFocus() || c->selectedText() == c->text());
    }

    // A held button, or a held Up key, repeats after a delay, one step a pause;
    // the system's own repeats of the key count for nothing; the release ends it.
    void repeticion_data() {
        QTest::addColumn<bool>("con_tecla");
        QTest::newRow("boton") << false;
        QTest::newRow("tecla") << true;
    }
    void repeticion() {
        QFETCH(bool, con_tecla);
        const Escena e;
        e.entrada().set_pausa(std::chrono::milliseconds(5));
        auto* b = e.control<BotonSpin>("subir_ranuras");
        CajaValor* c = caja(e, Magnitud::ranuras);
        const auto N = [&] { return e.parametros().valor(Magnitud::ranuras); };
        clic(c);
        const QImage suelto = b->imagen();
        QElapsedTimer reloj;
        reloj.start();
        if (con_tecla) {
            QTest::keyPress(c, Qt::Key_Up);
            for (int k = 0; k < 3; ++k) {
                tecla(c, Qt::Key_Up, {}, QString(), true);
            }
        } else {
            QTest::mousePress(b, Qt::LeftButton);
        }
        QCOMPARE(N(), Fijo(6));         // the press steps
        QVERIFY(b->imagen() != suelto); // and the button shows pressed while held
        QTRY_VERIFY(N() >= Fijo(9));
        QVERIFY(reloj.elapsed() >= 400 + 2 * 5);
        con_tecla ? QTest::keyRelease(c, Qt::Key_Up) : QTest::mouseRelease(b, Qt::LeftButton);
        const Fijo soltado = N();
        QTest::qWait(50); // ten pauses: a step still due would have come
        QCOMPARE(N(), soltado);
        QCOMPARE(b->imagen(), suelto);
    }

    // What a screen reader hears of each box: the name of its quantity, and its
    // caption as its label (its up button's press: flechas_de_teclado).
    void accesibles() {
        const Escena e;
        const char* const rotulos[] = {"",
                                       "Extremo inferior",
                                       "Extremo superior",
                                       "Número de ranuras (N) :",
                                       "Ancho de ranura (a) :",
                                       "Distancia entre ranuras (d) :",
                                       "Longitud de onda ( L) :  "};
        for (Magnitud m : magnitudes) {
            CajaValor* c = caja(e, m);
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
            QVERIFY(QString::fromUtf8(rotulos[indice(m)]).startsWith(a->text(QAccessible::Name)));
            // (The ends' boxes are labelled by their frame, "Datos de espectro", too.)
            QVERIFY(std::ranges::any_of(a->relations(QAccessible::Label), [&](const auto& r) {
                return r.first->text(QAccessible::Name) == QString::fromUtf8(rotulos[indice(m)]);
            }));
        }
    }
};

QTEST_MAIN(PruebaEntry)
#include "tst_entry.moc"
