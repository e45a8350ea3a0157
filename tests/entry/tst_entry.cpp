// The value boxes and spin buttons: their pure step rules, a number typed and
// the box left, the steps of each button, and the lock between geometry and
// wavelength steps while curves are compared.
#include "entry/boton_spin.h"
#include "entry/caja_valor.h"
#include "entry/reglas_paso.h"
#include "main/form1.h"
#include "main/texto.h"
#include "model/color_onda.h"
#include "screen/marcador.h"
#include "tests/common/entorno.h"
#include "toolkit/mensaje.h"
#include "toolkit/picture_box.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <cmath>
#include <functional>
#include <memory>

// Fixed-point values read as numbers in failure reports.
inline char* toString(const Fijo& x) {
    return qstrdup(QByteArray::number(x.a_double(), 'f', 4).constData());
}

namespace {

Fijo f(double x) {
    return Fijo::desde(x);
}

// An "inic.dat" with the shipped values and limits except record i...
QString inic_con(int i, const QString& registro) {
    QStringList lineas = QString::fromUtf8(CarpetaTrabajo::inic_normal).split(QLatin1Char('\n'));
    lineas[i - 1] = registro;
    return lineas.join(QLatin1Char('\n'));
}

QString con(int registro, const char* valores) {
    return inic_con(registro, QString::fromUtf8(valores));
}

// ...or except the two ends of the sector (tangents, limits -2..2).
QString inic_sector(double inferior, double superior) {
    return inic_con(1, QStringLiteral("%1, -2, 2").arg(inferior))
        .replace(QStringLiteral("\n0.6, -2, 2"), QStringLiteral("\n%1, -2, 2").arg(superior));
}

// The main window in its own working folder, active so that focus moves and
// leaves boxes as it does for a user, its messages answered and recorded, and
// its spin pause shortened unless a test wants the real one.
struct Ventana {
    explicit Ventana(const QString& inic = QString::fromUtf8(CarpetaTrabajo::inic_normal))
        : carpeta(inic), f(abrir_form1()) {
        f->pausa_spin = std::chrono::milliseconds(0);
        f->activateWindow();
        activa = QTest::qWaitForWindowActive(f.get()) && mensajes.textos.isEmpty();
    }
    Form1* operator->() const { return f.get(); }

    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    std::unique_ptr<Form1> f;
    bool activa = false; // and loaded without complaint
};

void teclear(CajaValor* caja, const QString& texto) {
    QTest::keyClicks(caja, texto);
}

void tabular(QWidget* w) {
    QTest::keyClick(w, Qt::Key_Tab);
}

void clic(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// The index in a control's name, 6 (the wavelength) for the fine spin buttons.
int indice(const QString& nombre) {
    return nombre.endsWith(QLatin1Char(')')) ? nombre.at(nombre.size() - 2).digitValue() : 6;
}

// The control named as in the window: "SpinUp(3)", "SpinDown1", "ValorT(2)", "Command2"...
QWidget* control(Form1* v, const QString& nombre) {
    const QHash<QString, QWidget*> sueltos{
        {QStringLiteral("SpinUp1"), v->SpinUp1},   {QStringLiteral("SpinDown1"), v->SpinDown1},
        {QStringLiteral("SpinUp2"), v->SpinUp2},   {QStringLiteral("SpinDown2"), v->SpinDown2},
        {QStringLiteral("Command1"), v->Command1}, {QStringLiteral("Command2"), v->Command2}};
    const int i = indice(nombre);
    return sueltos.contains(nombre)                        ? sueltos.value(nombre)
           : nombre.startsWith(QLatin1String("SpinUp("))   ? static_cast<QWidget*>(v->SpinUp[i])
           : nombre.startsWith(QLatin1String("SpinDown(")) ? static_cast<QWidget*>(v->SpinDown[i])
           : nombre.startsWith(QLatin1String("ValorT("))   ? static_cast<QWidget*>(v->ValorT[i])
                                                           : static_cast<QWidget*>(v->Option1[i]);
}

// Pixels of the rays' colour for wavelength L on the screen.
int pixeles_de_onda(Form1* v, double L) {
    const ComponentesColor k = color_de_onda(f(L));
    const Color c = RGB(k.r, k.g, k.b.a_double());
    const QRgb buscado = qRgb(rojo_de(c), verde_de(c), azul_de(c)) & 0xFFFFFF;
    const QImage imagen = v->superficie->imagen();
    int n = 0;
    for (int y = 0; y < imagen.height(); ++y) {
        for (int x = 0; x < imagen.width(); ++x) {
            n += (imagen.pixel(x, y) & 0xFFFFFF) == buscado ? 1 : 0;
        }
    }
    return n;
}

// A data table of numbers, each row named by its numbers.
template <std::size_t n, std::size_t k>
void tabla_numeros(const char* const (&columnas)[k], const double (&filas)[n][k]) {
    for (const char* c : columnas) {
        QTest::addColumn<double>(c);
    }
    for (const auto& fila : filas) {
        QStringList nombre;
        for (double x : fila) {
            nombre << QString::number(x);
        }
        QTestData& d = QTest::addRow("%s", qPrintable(nombre.join(QLatin1Char(' '))));
        for (double x : fila) {
            d << x;
        }
    }
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

bool seleccionada(const CajaValor* c) {
    return c->palette().color(QPalette::Base) == QColor(0, 0, 130) &&
           c->palette().color(QPalette::Text) == QColor(200, 200, 200);
}

// Both ends of the sector have a place on the screen, and their markers are there.
bool en_pantalla(Form1* v) {
    const auto bien = [](double s, Fijo t) {
        return std::isfinite(s) && std::fabs(s) < 1 && std::fabs(t.a_double()) <= 1000;
    };
    return bien(v->g.seno_min, v->g.valor[1]) && bien(v->g.seno_max, v->g.valor[2]) &&
           v->inf->top == static_cast<float>(v->g.valor[1].a_double()) &&
           v->sup->top == static_cast<float>(v->g.valor[2].a_double() + 0.2);
}

const QString fuera = QStringLiteral("Valor Fuera de rango");

// A number typed into a box (limits: -2..2 for the sector's tangents, 1..500 for
// N, 0.1..100 for a and d, 0.38..0.78 for L) and the box left with Tab. The limit
// boxes take sines: they clamp, and store the tangent, while being typed in; a
// sine with no place on the screen leaves its end where it was and is refused.
struct Salida {
    const char* nombre;
    bool coma;
    int caja;
    QString tecleado, mostrado; // mostrado: after leaving
    double en_vivo, guardado;   // stored while typing and after leaving
    bool aceptada;
    QString vivo = {}; // shown while typing, when not what was typed
};
const QString mil(1000, QLatin1Char('9'));
const Salida tabla_salidas[] = {
    {"punto: 0,5 en a", false, 4, "0,5", "0.5", 2, 0.5, true},
    {"coma: 0.5 en a", true, 4, "0.5", "0,5", 2, 0.5, true},
    {"coma: 12,25 en d", true, 5, "12,25", "12,25", 10, 12.25, true},
    {"punto: cota 0.78 en L", false, 6, "0.78", "0.78", 0.55, 0.78, true},
    {"coma: 7,6 en N es entero", true, 3, "7,6", "8", 5, 8, true},
    {"punto: 2.5 en N es entero", false, 3, "2.5", "2", 5, 2, true},
    {"punto: 0.4 en N", false, 3, "0.4", "0.4", 5, 5, false},
    {"punto: abc en d", false, 5, "abc", "abc", 10, 10, false},
    {"coma: 0,3 en L", true, 6, "0,3", "0,3", 0.55, 0.55, false},
    {"punto: mil cifras en d", false, 5, mil, mil, 10, 10, false},
    {"punto: 1e999 en L", false, 6, "1e999", "1e999", 0.55, 0.55, false},
    {"coma: 0,3 en caja 2", true, 2, "0,3", "0,3", 0.3145, 0.3145, true},
    {"punto: 0.95 en caja 2", false, 2, "0.95", "0.89", 1.9519, 1.9519, true, "0.89"},
    {"coma: 0,95 en caja 2", true, 2, "0,95", "0,89", 1.9519, 1.9519, true, "0,89"},
    {"punto: -0.95 en caja 1", false, 1, "-0.95", "-0.9", -2.0647, -2.0647, true, "-0.9"},
    {"punto: 0.95 en caja 1", false, 1, "0.95", "0.95", 3.0424, 3.0424, true},
    {"punto: -0. en caja 1", false, 1, "-0.", "0", 0, 0, true},
    {"punto: 1 en caja 1", false, 1, "1", "1", -0.6, -0.6, false},
    {"punto: -1 en caja 2", false, 2, "-1", "-1", 0, 0, false},
    {"punto: 5 en caja 2", false, 2, "5", "0.89", 1.9519, 1.9519, true, "0.89"},
    {"punto: 1e999 en caja 1", false, 1, "1e999", "1e999", -0.6, -0.6, false},
    {"punto: -1e999 en caja 1", false, 1, "-1e999", "-0.9", -2.0647, -2.0647, true, "-0.9"},
    {"punto: nan en caja 1", false, 1, "nan", "0", 0, 0, true},
    {"punto: 0.9999999 en caja 1", false, 1, "0.9999999", "0.9999999", 707.1063, 707.1063, false},
};

// Runs `accion` whenever `w` paints: the only moment the window shows anything
// while a spin click holds it.
class AlPintar : public QObject {
public:
    AlPintar(QWidget* w, std::function<void()> accion) : accion_(std::move(accion)) {
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            accion_();
        }
        return false;
    }

private:
    std::function<void()> accion_;
};

void encolar_clic(QWidget* w) {
    const QPointF p = QRectF(w->rect()).center();
    for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QCoreApplication::postEvent(
            w, new QMouseEvent(t, p, w->mapToGlobal(p), Qt::LeftButton,
                               t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                               Qt::NoModifier));
    }
}

// Clicks on one button from a start-up value; the value stored and shown after
// (shown with a decimal comma where it has one), and the press mark of the last
// click. The sector's ends are tangents, shown as sines to two decimals.
struct Pasos {
    const char* nombre;
    QString inic;
    const char* boton;
    int clics;
    double esperado;
    QString texto;
};
const Pasos tabla_pasos[] = {
    {"N 9 sube a 10", con(3, "9, 1, 500"), "SpinUp(3)", 1, 10, "10"},
    {"N 400 sube a su cota", con(3, "400, 1, 500"), "SpinUp(3)", 1, 500, "500"},
    {"N 1 no baja de su cota", con(3, "1, 1, 500"), "SpinDown(3)", 1, 1, "1"},
    {"a 1 baja a 0.9", con(4, "1, 0.1, 100"), "SpinDown(4)", 1, 0.9, "0.9"},
    {"d 20 baja dos veces", con(5, "20, 1, 100"), "SpinDown(5)", 2, 9, "9"},
    {"L 0.75 no pasa su cota", con(6, "0.75, 0.38, 0.78"), "SpinUp(6)", 1, 0.75, "0.75"},
    {"L 0.75 fino", con(6, "0.75, 0.38, 0.78"), "SpinUp1", 1, 0.76, "0.76"},
    {"L 0.75 finisimo", con(6, "0.75, 0.38, 0.78"), "SpinUp2", 1, 0.751, "0.751"},
    {"L 0.38 fino en su cota", con(6, "0.38, 0.38, 0.78"), "SpinDown1", 1, 0.38, "0.38"},
    {"L 40 pasos exactos a su cota", con(6, "0.38, 0.38, 0.78"), "SpinUp1", 40, 0.78, "0.78"},
    {"L 13 pasos finisimos, coma", con(6, "0.78, 0.38, 0.78"), "SpinDown2", 13, 0.767, "0,767"},
    {"sector ancho 2", inic_sector(-1, 1), "SpinUp(1)", 1, -0.8, "-0.62"},
    {"sector ancho 0.5", inic_sector(-0.25, 0.25), "SpinDown(2)", 1, 0.15, "0.15"},
    {"sector ancho 0.05", inic_sector(0.3, 0.35), "SpinUp(1)", 1, 0.31, "0.3"},
    {"0.30 no pasa a 0.31", inic_sector(0.3, 0.31), "SpinUp(1)", 1, 0.3, "0.29"},
    {"0.31 no baja a 0.30", inic_sector(0.3, 0.31), "SpinDown(2)", 1, 0.31, "0.3"},
    {"inferior en su cota", inic_sector(-2, 1), "SpinDown(1)", 1, -2, "-0.89"},
    {"superior pasaria su cota", inic_sector(1.9, 2), "SpinUp(2)", 1, 2, "0.89"},
    // 0.5f - 0.2 is exactly 0.3: the ends meet, and then the step is 0.
    {"0.29 sube hasta 0.30 y queda", inic_sector(0.29, 0.3), "SpinUp(1)", 3, 0.3, "0.29"},
};

// How many of the six wavelength buttons (onda) or the six geometry buttons are enabled.
int habilitados(Form1* v, bool onda) {
    const QList<BotonSpin*> grupo =
        onda ? QList<BotonSpin*>{v->SpinUp[6], v->SpinDown[6], v->SpinUp1,
                                 v->SpinDown1, v->SpinUp2,     v->SpinDown2}
             : QList<BotonSpin*>{v->SpinUp[3],   v->SpinDown[3], v->SpinUp[4],
                                 v->SpinDown[4], v->SpinUp[5],   v->SpinDown[5]};
    return static_cast<int>(
        std::count_if(grupo.begin(), grupo.end(), [](BotonSpin* b) { return b->isEnabled(); }));
}

int curvas(Form1* v) {
    return v->graficado ? v->g.ncurvas : -1;
}

} // namespace

class PruebaEntry : public QObject {
    Q_OBJECT
private slots:
    // The step rules alone: each edge of the up and down tables from both
    // sides (arriba: 1 up, 0 down), and each width of the sector.
    void paso_valor_data() {
        const double t[][3] = {
            {0.9999, 1, 0.1},   {1, 1, 1},   {9.9999, 1, 1},   {10, 1, 10},        {100, 1, 100},
            {499.9999, 1, 100}, {500, 1, 0}, {1.0999, 0, 0.1}, {1.1, 0, 1},        {10, 0, 1},
            {10.9999, 0, 1},    {11, 0, 10}, {110, 0, 100},    {599.9999, 0, 100}, {600, 0, 0},
        };
        tabla_numeros({"v", "arriba", "paso"}, t);
    }
    void paso_valor() {
        QFETCH(double, v);
        QFETCH(double, arriba);
        QFETCH(double, paso);
        QCOMPARE(::paso_valor(f(v), arriba != 0 ? Sentido::arriba : Sentido::abajo), f(paso));
    }
    void paso_sector_data() {
        const double t[][3] = {
            {-1, 1, 0.2},     {-0.25, 0.2501, 0.2}, {-0.25, 0.25, 0.1}, {0.3, 0.4001, 0.1},
            {0.3, 0.4, 0.05}, {0.3, 0.3501, 0.05},  {0.3, 0.35, 0.01},  {0.3, 0.3001, 0.01},
            {0.3, 0.3, 0},    {1, -1, 0.2},
        };
        tabla_numeros({"inferior", "superior", "paso"}, t);
    }
    void paso_sector() {
        QFETCH(double, inferior);
        QFETCH(double, superior);
        QFETCH(double, paso);
        QCOMPARE(::paso_sector(f(inferior), f(superior)), f(paso));
    }

    void seleccion_rechazo_y_correccion() {
        Ventana v;
        QVERIFY(v.activa);
        CajaValor* c = v->ValorT[3];
        clic(v->ValorT[6]);
        tabular(v->ValorT[6]);
        QVERIFY(c->hasFocus());
        clic(c);
        QCOMPARE(v->indice_valor, 3);
        QVERIFY(seleccionada(c) && !seleccionada(v->ValorT[4]));
        teclear(c, QStringLiteral("600")); // the first key replaces "5"
        QCOMPARE(c->text(), QStringLiteral("600"));
        QCOMPARE(c->palette().color(QPalette::Base), a_qcolor(v->color_fondo));
        tabular(c);
        QCOMPARE(v.mensajes.textos, QStringList{fuera});
        QVERIFY(c->hasFocus() && seleccionada(c));
        teclear(c, QStringLiteral("25"));
        QCOMPARE(c->text(), QStringLiteral("25"));
        QCOMPARE(v->g.valor[3], Fijo(5)); // stored only when the box is left
        tabular(c);
        QCOMPARE(v->g.valor[3], Fijo(25));
        QVERIFY(!seleccionada(c));
        clic(c); // Backspace is a key too: it empties the selected box
        QTest::keyClick(c, Qt::Key_Backspace);
        QVERIFY(c->text().isEmpty() && !seleccionada(c));
        teclear(c, QStringLiteral("25"));
        tabular(c);
        for (int i : {4, 5, 1, 2}) { // the tab order goes on 6, 3, 4, 5, 1, 2
            QVERIFY(v->ValorT[i]->hasFocus());
            tabular(v->ValorT[i]);
        }
        QCOMPARE(v.mensajes.textos.size(), 1);
    }

    void rechazo_una_vez_segun_destino_data() {
        QTest::addColumn<QString>("destino");
        for (const char* d :
             {"ValorT(2)", "Backtab", "Command2", "SpinUp(3)", "SpinUp1", "menu", "otra ventana"}) {
            QTest::newRow(d) << QString::fromUtf8(d);
        }
    }
    void rechazo_una_vez_segun_destino() {
        QFETCH(QString, destino);
        Ventana v;
        QVERIFY(v.activa);
        CajaValor* c = v->ValorT[3];
        clic(c);
        teclear(c, QStringLiteral("600"));
        QWidget otra;
        if (destino == "Backtab") {
            QTest::keyClick(c, Qt::Key_Backtab, Qt::ShiftModifier);
        } else if (destino == "menu") {
            // A menu or another window takes the focus for a while and gives it
            // back: the box is not left, until Tab leaves it.
            QMenuBar* barra = v->menuBar();
            QTest::mouseClick(barra, Qt::LeftButton, {},
                              barra->actionGeometry(v->menu_archivo->menuAction()).center());
            QTRY_VERIFY(v->menu_archivo->isVisible());
            QTest::keyClick(v->menu_archivo, Qt::Key_Escape);
            QTest::keyClick(barra, Qt::Key_Escape);
            QTRY_VERIFY(!v->menu_archivo->isVisible());
        } else if (destino == "otra ventana") {
            otra.show();
            otra.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&otra));
            otra.hide();
            v->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(v.f.get()));
        } else {
            clic(control(v.f.get(), destino));
        }
        if (destino == "menu" || destino == "otra ventana") {
            QTRY_VERIFY(c->hasFocus());
            QVERIFY(v.mensajes.textos.isEmpty());
            tabular(c);
        }
        QCOMPARE(v.mensajes.textos, QStringList{fuera});
        QVERIFY(c->hasFocus() && seleccionada(c));
        QCOMPARE(c->text(), QStringLiteral("600"));
        QCOMPARE(v->g.valor[3], Fijo(5));
        // The click that tried to leave does nothing else: box 2 is neither selected
        // nor left (it would store the tangent of its rounded sine), no step is taken.
        QVERIFY(!seleccionada(v->ValorT[2]));
        QCOMPARE(v->g.valor[2], f(0.6));
        QCOMPARE(v->g.valor[6], f(0.55));
    }

    void mensaje_real_una_sola_vez() {
        // A real message box takes the focus from the window; that must not count
        // as leaving the box again.
        Ventana v;
        QVERIFY(v.activa);
        set_contestador(nullptr);
        QStringList vistos;
        QTimer contestar;
        connect(&contestar, &QTimer::timeout, [&] {
            auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (m != nullptr && m->isVisible()) {
                vistos << QStringLiteral("%1|%2|%3|%4")
                              .arg(m->windowTitle(), m->text())
                              .arg(m->buttons().size())
                              .arg(m->icon());
                m->button(QMessageBox::Ok)->click();
            }
        });
        contestar.start(20);
        CajaValor* c = v->ValorT[3];
        clic(c);
        teclear(c, QStringLiteral("600"));
        tabular(c);
        v->activateWindow(); // what a window manager does when the box closes
        QVERIFY(QTest::qWaitForWindowActive(v.f.get()));
        QTRY_VERIFY(c->hasFocus());
        QTest::qWait(100); // any further message box would have shown by now
        QCOMPARE(vistos, QStringList{"Ondaris|" + fuera + "|1|0"});
    }

    void salidas_data() { filas(tabla_salidas); }
    void salidas() {
        const Salida& r = fila(tabla_salidas);
        LocalePrueba locale(r.coma ? locale_coma() : locale_punto());
        Ventana v;
        QVERIFY(v.activa);
        CajaValor* c = v->ValorT[r.caja];
        clic(c);
        teclear(c, r.tecleado);
        QCOMPARE(c->text(), r.vivo.isNull() ? r.tecleado : r.vivo);
        QCOMPARE(v->g.valor[r.caja], f(r.en_vivo));
        if (r.caja <= 2) {
            // The other end is read again from its box, which shows its sine to two decimals.
            QCOMPARE(v->g.valor[3 - r.caja], f(r.caja == 1 ? 0.5929 : -0.5929));
        }
        QVERIFY(en_pantalla(v.f.get()));
        tabular(c);
        QCOMPARE(v.mensajes.textos.isEmpty(), r.aceptada);
        QCOMPARE(v->g.valor[r.caja], f(r.guardado));
        QCOMPARE(c->text(), r.mostrado);
        QCOMPARE(c->hasFocus(), !r.aceptada);
        QCOMPARE(seleccionada(c), !r.aceptada);
        QVERIFY(en_pantalla(v.f.get()));
        if (r.caja <= 2) { // the window goes on working: a sound value is taken as usual
            clic(c);
            teclear(c, QStringLiteral("0.2"));
            tabular(c);
            QCOMPARE(v->g.valor[r.caja], f(0.2041));
            QVERIFY(en_pantalla(v.f.get()));
        }
    }

    void rayos_al_salir_de_la_caja_6_y_con_la_flecha() {
        Ventana v;
        QVERIFY(v.activa);
        CajaValor* c = v->ValorT[6];
        clic(c);
        teclear(c, QStringLiteral("0.6"));
        // Typing alone keeps the colour of the stored wavelength.
        QCOMPARE(pixeles_de_onda(v.f.get(), 0.6), 0);
        QVERIFY(pixeles_de_onda(v.f.get(), 0.55) > 0);
        tabular(c);
        QVERIFY(pixeles_de_onda(v.f.get(), 0.6) > 0);
        QCOMPARE(pixeles_de_onda(v.f.get(), 0.55), 0);
        clic(v->SpinUp1);
        QVERIFY(pixeles_de_onda(v.f.get(), 0.61) > 0);
        QCOMPARE(pixeles_de_onda(v.f.get(), 0.6), 0);
    }

    void pasos_por_boton_data() { filas(tabla_pasos); }
    void pasos_por_boton() {
        const Pasos& r = fila(tabla_pasos);
        LocalePrueba locale(r.texto.contains(QLatin1Char(',')) ? locale_coma() : locale_punto());
        Ventana v(r.inic);
        QVERIFY(v.activa);
        auto* b = static_cast<BotonSpin*>(control(v.f.get(), QString::fromUtf8(r.boton)));
        for (int k = 1; k < r.clics; ++k) {
            clic(b);
        }
        const QImage antes = b->imagen();
        QImage marcada;
        {
            AlPintar espia(b, [&] { marcada = b->imagen(); });
            clic(b);
        }
        const int i = indice(QString::fromUtf8(r.boton));
        QCOMPARE(v->g.valor[i], f(r.esperado));
        QCOMPARE(v->ValorT[i]->text(), r.texto);
        QCOMPARE(v->inf->top, static_cast<float>(v->g.valor[1].a_double()));
        QCOMPARE(v->sup->top, static_cast<float>(v->g.valor[2].a_double() + 0.2));
        // While the click holds the window the button shows inverted with grey...
        QCOMPARE(marcada.size(), antes.size());
        int invertidos = 0;
        for (int y = 0; y < antes.height(); ++y) {
            for (int x = 0; x < antes.width(); ++x) {
                invertidos += ((antes.pixel(x, y) ^ qRgb(100, 100, 100)) & 0xFFFFFF) ==
                              (marcada.pixel(x, y) & 0xFFFFFF);
            }
        }
        QVERIFY(invertidos > antes.width() * antes.height() * 3 / 4);
        // ...and the second drawing restores it, whether the step was taken or not.
        QCOMPARE(b->imagen(), antes);
    }

    void pausa_real_y_clics_en_espera() {
        Ventana v;
        QVERIFY(v.activa);
        v->pausa_spin = std::chrono::milliseconds(100);
        BotonSpin* b = v->SpinUp[5]; // d: 10, steps of 10
        QCoreApplication::processEvents();
        // Two more clicks arrive while the first one holds the window.
        bool encolados = false;
        AlPintar espia(b, [&] {
            if (!encolados) {
                encolados = true;
                encolar_clic(b);
                encolar_clic(b);
            }
        });
        QElapsedTimer reloj;
        reloj.start();
        clic(b);
        QVERIFY(reloj.nsecsElapsed() >= 100'000'000);
        QVERIFY(encolados);
        QCOMPARE(v->g.valor[5], Fijo(20));     // the queued clicks wait their turn...
        QTRY_COMPARE(v->g.valor[5], Fijo(40)); // ...and each one is a step
        QVERIFY(reloj.nsecsElapsed() >= 300'000'000);
    }

    // A step with one curve on the graph; the caption of single band after it
    // (empty: unchanged).
    void paso_con_curva_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<bool>("separadas");
        QTest::addColumn<double>("esperado");
        QTest::addColumn<QString>("segunda");
        QTest::newRow("a arriba, banda unica") << "SpinUp(4)" << false << 3.0 << "último ensayo";
        QTest::newRow("d abajo, separadas") << "SpinDown(5)" << true << 9.0 << "";
        QTest::newRow("SpinUp(6), separadas") << "SpinUp(6)" << true << 0.65 << "Intensidad total";
        QTest::newRow("SpinUp(6), banda unica")
            << "SpinUp(6)" << false << 0.65 << "Intensidad total";
        QTest::newRow("SpinDown(6), separadas")
            << "SpinDown(6)" << true << 0.45 << "intensidad total";
        QTest::newRow("SpinUp1, banda unica") << "SpinUp1" << false << 0.56 << "intensidad total";
    }
    void paso_con_curva() {
        QFETCH(QString, nombre);
        QFETCH(bool, separadas);
        QFETCH(double, esperado);
        QFETCH(QString, segunda);
        Ventana v;
        QVERIFY(v.activa);
        if (separadas) {
            clic(v->Option1[1]);
        }
        clic(v->Command1);
        const QString antes = v->Option1[0]->text();
        clic(control(v.f.get(), nombre));
        const bool onda = indice(nombre) == 6;
        QCOMPARE(v->g.valor[indice(nombre)], f(esperado));
        QCOMPARE(curvas(v.f.get()), 1);
        QCOMPARE(habilitados(v.f.get(), true), onda ? 6 : 0);
        QCOMPARE(habilitados(v.f.get(), false), onda ? 0 : 6);
        QCOMPARE(v->Option1[0]->text(),
                 segunda.isEmpty() ? antes : QStringLiteral("Banda única/") + fin_linea + segunda);
        if (!onda) {
            // The wavelength cannot move now, by the mouse or through the fine
            // handlers' own test of their state.
            clic(v->SpinDown1);
            clic(v->SpinUp[6]);
            v->SpinDown1_Click();
            v->SpinUp2_Click();
            QCOMPARE(v->g.valor[6], f(0.55));
            return;
        }
        // Single band is selected without clearing the curve being compared, and
        // the flag that spared it is down again whether a band change ran or not.
        QVERIFY(v->Option1[0]->isChecked() && !v->Option1[1]->isChecked());
        QVERIFY(!v->cambio_spin);
        QCOMPARE(Form1::color_texto_de(v->Option1[0]), Color{255});
        QCOMPARE(Form1::color_texto_de(v->Option1[1]), Color{1});
        clic(v->Command1); // a second curve, in the new colour
        QCOMPARE(curvas(v.f.get()), 2);
        clic(v->Option1[1]); // the user's own change of band mode clears, as always
        QCOMPARE(curvas(v.f.get()), -1);
    }

    void solo_borrar_desbloquea_data() {
        QTest::addColumn<QString>("inic");
        QTest::addColumn<QString>("como");
        QTest::addColumn<double>("inferior"); // the lower end afterwards
        const QString normal = inic_sector(-0.6, 0.6);
        QTest::newRow("Limpiar") << normal << "Command2" << -0.6;
        QTest::newRow("cambio de modo de bandas") << normal << "Option1(1)" << -0.6;
        QTest::newRow("paso de un extremo") << normal << "SpinDown(1)" << -0.8;
        // A limit step clears even when the step itself is refused.
        QTest::newRow("extremo contra el otro") << inic_sector(0.3, 0.31) << "SpinUp(1)" << 0.3;
    }
    void solo_borrar_desbloquea() {
        QFETCH(QString, inic);
        QFETCH(QString, como);
        QFETCH(double, inferior);
        Ventana v(inic);
        QVERIFY(v.activa);
        clic(v->Command1);
        clic(v->SpinUp[4]);
        clic(v->Command1); // a second curve keeps the lock
        QCOMPARE(habilitados(v.f.get(), true), 0);
        clic(control(v.f.get(), como));
        QCOMPARE(v->g.valor[1], f(inferior));
        QCOMPARE(curvas(v.f.get()), -1);
        QCOMPARE(v->List1->count(), 0);
        // Without a curve nothing locks and no caption changes.
        clic(v->SpinUp[4]);
        clic(v->SpinUp1);
        QCOMPARE(v->g.valor[6], f(0.56));
        QCOMPARE(habilitados(v.f.get(), true) + habilitados(v.f.get(), false), 12);
        QCOMPARE(v->Option1[0]->text(), QStringLiteral("Banda única "));
    }
};

QTEST_MAIN(PruebaEntry)
#include "tst_entry.moc"
