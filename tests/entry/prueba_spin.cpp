#include "entry/boton_spin.h"
#include "entry/caja_valor.h"
#include "screen/color_onda.h"
#include "screen/marcador.h"
#include "tests/entry/ventana.h"
#include "toolkit/picture_box.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTest>

#include <functional>

namespace {

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

} // namespace

class PruebaSpin : public QObject {
    Q_OBJECT
private slots:
    void pasos_por_boton_data();
    void pasos_por_boton();
    void pasos_finos_exactos();
    void marca_de_pulsacion_data();
    void marca_de_pulsacion();
    void pausa_real_y_clics_en_espera();
    void flecha_de_onda_colorea_los_rayos();
};

void PruebaSpin::pasos_por_boton_data() {
    QTest::addColumn<QString>("inic");
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<int>("clics");
    QTest::addColumn<double>("esperado");
    QTest::addColumn<QString>("texto");
    struct Fila {
        int registro;
        const char* valores;
        const char* boton;
        int clics;
        double esperado;
        const char* texto;
    };
    const Fila filas[] = {
        {3, "9, 1, 500", "SpinUp(3)", 1, 10, "10"},
        {3, "10, 1, 500", "SpinDown(3)", 1, 9, "9"},
        {3, "400, 1, 500", "SpinUp(3)", 1, 500, "500"},
        {3, "500, 1, 500", "SpinUp(3)", 1, 500, "500"},
        {3, "1, 1, 500", "SpinDown(3)", 1, 1, "1"},
        {4, "1, 0.1, 100", "SpinDown(4)", 1, 0.9, "0.9"},
        {5, "20, 1, 100", "SpinDown(5)", 2, 9, "9"},
        {6, "0.75, 0.38, 0.78", "SpinUp(6)", 1, 0.75, "0.75"},
        {6, "0.75, 0.38, 0.78", "SpinUp1", 1, 0.76, "0.76"},
        {6, "0.75, 0.38, 0.78", "SpinUp2", 1, 0.751, "0.751"},
        {6, "0.38, 0.38, 0.78", "SpinDown1", 1, 0.38, "0.38"},
    };
    for (const Fila& r : filas) {
        QTest::addRow("%s desde %s", r.boton, r.valores)
            << inic_con(r.registro, QString::fromUtf8(r.valores)) << r.boton << r.clics
            << r.esperado << r.texto;
    }
    // The ends of the sector: tangents stored, sines shown to two decimals.
    struct Sector {
        const char* nombre;
        double inferior, superior;
        const char* boton;
        int clics;
        double esperado;
        const char* texto;
    };
    const Sector sectores[] = {
        {"ancho 2", -1, 1, "SpinUp(1)", 1, -0.8, "-0.62"},
        {"ancho 2, cinco veces", -1, 1, "SpinUp(1)", 5, 0, "0"},
        {"ancho 0.5", -0.25, 0.25, "SpinDown(2)", 1, 0.15, "0.15"},
        {"ancho 0.05", 0.3, 0.35, "SpinUp(1)", 1, 0.31, "0.3"},
        {"0.30 no pasa a 0.31", 0.3, 0.31, "SpinUp(1)", 1, 0.3, "0.29"},
        {"0.31 no baja a 0.30", 0.3, 0.31, "SpinDown(2)", 1, 0.31, "0.3"},
        {"inferior en su cota", -2, 1, "SpinDown(1)", 1, -2, "-0.89"},
        {"superior pasaria su cota", 1.9, 2, "SpinUp(2)", 1, 2, "0.89"},
        // 0.5f - 0.2 is exactly 0.3: the ends meet, and then the step is 0.
        {"0.29 sube hasta 0.30 y queda", 0.29, 0.3, "SpinUp(1)", 3, 0.3, "0.29"},
    };
    for (const Sector& s : sectores) {
        QTest::addRow("%s: %s", s.nombre, s.boton)
            << inic_sector(s.inferior, s.superior) << s.boton << s.clics << s.esperado << s.texto;
    }
}

void PruebaSpin::pasos_por_boton() {
    QFETCH(QString, inic);
    QFETCH(QString, nombre);
    QFETCH(int, clics);
    QFETCH(double, esperado);
    QFETCH(QString, texto);
    LocalePrueba locale(locale_punto());
    Ventana v(inic);
    QVERIFY(v.activa);
    for (int k = 0; k < clics; ++k) {
        clic(boton(v.f.get(), nombre));
    }
    const int i = nombre.contains(QLatin1Char('(')) ? nombre.at(nombre.size() - 2).digitValue() : 6;
    QCOMPARE(v->g.valor[i], f(esperado));
    QCOMPARE(v->ValorT[i]->text(), texto);
    QCOMPARE(v->inf->top, static_cast<float>(v->g.valor[1].a_double()));
    QCOMPARE(v->sup->top, static_cast<float>(v->g.valor[2].a_double() + 0.2));
}

void PruebaSpin::pasos_finos_exactos() {
    LocalePrueba locale(locale_coma());
    Ventana v(inic_con(6, QStringLiteral("0.38, 0.38, 0.78")));
    QVERIFY(v.activa);
    for (int k = 0; k < 40; ++k) {
        clic(v->SpinUp1);
    }
    QCOMPARE(v->g.valor[6], f(0.78)); // exactly the bound, which is accepted
    clic(v->SpinUp2);
    QCOMPARE(v->g.valor[6], f(0.78));
    for (int k = 0; k < 13; ++k) {
        clic(v->SpinDown2);
    }
    QCOMPARE(v->g.valor[6], f(0.767));
    QCOMPARE(v->ValorT[6]->text(), QStringLiteral("0,767"));
}

void PruebaSpin::marca_de_pulsacion_data() {
    QTest::addColumn<QString>("inic");
    QTest::addColumn<QString>("texto");
    QTest::newRow("paso dado") << QString::fromUtf8(CarpetaTrabajo::inic_normal) << "4";
    QTest::newRow("paso rechazado") << inic_con(3, QStringLiteral("1, 1, 500")) << "1";
}

void PruebaSpin::marca_de_pulsacion() {
    QFETCH(QString, inic);
    QFETCH(QString, texto);
    Ventana v(inic);
    QVERIFY(v.activa);
    BotonSpin* b = v->SpinDown[3];
    const QImage antes = b->imagen();
    QImage marcada;
    {
        AlPintar espia(b, [&] { marcada = b->imagen(); });
        clic(b);
    }
    QCOMPARE(v->ValorT[3]->text(), texto);
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

void PruebaSpin::pausa_real_y_clics_en_espera() {
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

void PruebaSpin::flecha_de_onda_colorea_los_rayos() {
    Ventana v;
    QVERIFY(v.activa);
    const auto color = [](double L) {
        const ComponentesColor c = color_de_onda(f(L));
        return RGB(c.r, c.g, c.b.a_double());
    };
    QVERIFY(color(0.56) != color(0.55));
    clic(v->SpinUp1);
    QVERIFY(pixeles_de(v->superficie->imagen(), color(0.56)) > 0);
    QCOMPARE(pixeles_de(v->superficie->imagen(), color(0.55)), 0);
}

int correr_spin(int argc, char** argv) {
    PruebaSpin p;
    return QTest::qExec(&p, argc, argv);
}

#include "prueba_spin.moc"
