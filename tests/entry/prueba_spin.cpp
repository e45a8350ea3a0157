#include "entry/boton_spin.h"
#include "entry/caja_valor.h"
#include "main/form1.h"
#include "screen/color_onda.h"
#include "screen/marcador.h"
#include "tests/entry/ventana.h"
#include "toolkit/picture_box.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>

#include <chrono>
#include <functional>

namespace {

Fijo f(double x) {
    return Fijo::desde(x);
}

QString inic_sector(double inferior, double superior) {
    return inic_con(1, QStringLiteral("%1, -2, 2").arg(inferior))
        .replace(QStringLiteral("\n0.6, -2, 2"), QStringLiteral("\n%1, -2, 2").arg(superior));
}

// The spin button a table row names: "SpinUp(3)", "SpinDown1"...
BotonSpin* boton(Form1* f, const QString& nombre) {
    if (nombre == QLatin1String("SpinUp1")) {
        return f->SpinUp1;
    }
    if (nombre == QLatin1String("SpinDown1")) {
        return f->SpinDown1;
    }
    if (nombre == QLatin1String("SpinUp2")) {
        return f->SpinUp2;
    }
    if (nombre == QLatin1String("SpinDown2")) {
        return f->SpinDown2;
    }
    const int i = nombre.at(nombre.size() - 2).digitValue();
    return nombre.startsWith(QLatin1String("SpinUp(")) ? f->SpinUp[i] : f->SpinDown[i];
}

Color color_onda(double L) {
    const ComponentesColor c = color_de_onda(f(L));
    return RGB(c.r, c.g, c.b.a_double());
}

// Runs `accion` whenever `w` paints: the only moment the window shows anything
// while a spin click holds it.
class AlPintar : public QObject {
public:
    AlPintar(QWidget* w, std::function<void()> accion) : accion_(std::move(accion)) {
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && accion_) {
            accion_();
        }
        return false;
    }

private:
    std::function<void()> accion_;
};

void encolar_clic(QWidget* w) {
    const QPointF p = QRectF(w->rect()).center();
    const QPointF g = w->mapToGlobal(p);
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonPress, p, g, Qt::LeftButton,
                                                   Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonRelease, p, g, Qt::LeftButton,
                                                   Qt::NoButton, Qt::NoModifier));
}

} // namespace

class PruebaSpin : public QObject {
    Q_OBJECT
private slots:
    void pasos_por_boton_data();
    void pasos_por_boton();
    void extremos_iguales_no_se_mueven();
    void pasos_finos_exactos_data();
    void pasos_finos_exactos();
    void marca_de_pulsacion_data();
    void marca_de_pulsacion();
    void pausa_real_y_clics_en_espera();
    void flecha_de_onda_colorea_los_rayos();
    void sin_curva_todo_se_mueve_libre();
};

void PruebaSpin::pasos_por_boton_data() {
    QTest::addColumn<QString>("inic");
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<int>("clics");
    QTest::addColumn<int>("indice");
    QTest::addColumn<double>("esperado");
    QTest::addColumn<QString>("texto");
    const auto N = [](const char* r) { return inic_con(3, QString::fromUtf8(r)); };
    const auto a = [](const char* r) { return inic_con(4, QString::fromUtf8(r)); };
    const auto d = [](const char* r) { return inic_con(5, QString::fromUtf8(r)); };
    const auto L = [](const char* r) { return inic_con(6, QString::fromUtf8(r)); };
    QTest::newRow("N 9 arriba") << N("9, 1, 500") << "SpinUp(3)" << 1 << 3 << 10.0 << "10";
    QTest::newRow("N 10 abajo") << N("10, 1, 500") << "SpinDown(3)" << 1 << 3 << 9.0 << "9";
    QTest::newRow("N 10 arriba") << N("10, 1, 500") << "SpinUp(3)" << 1 << 3 << 20.0 << "20";
    QTest::newRow("N 100 abajo") << N("100, 1, 500") << "SpinDown(3)" << 1 << 3 << 90.0 << "90";
    QTest::newRow("N 400 arriba") << N("400, 1, 500") << "SpinUp(3)" << 1 << 3 << 500.0 << "500";
    QTest::newRow("N 500 arriba") << N("500, 1, 500") << "SpinUp(3)" << 1 << 3 << 500.0 << "500";
    QTest::newRow("N 1 abajo") << N("1, 1, 500") << "SpinDown(3)" << 1 << 3 << 1.0 << "1";
    QTest::newRow("a 0.5 arriba") << a("0.5, 0.1, 100") << "SpinUp(4)" << 1 << 4 << 0.6 << "0.6";
    QTest::newRow("a 1 arriba") << a("1, 0.1, 100") << "SpinUp(4)" << 1 << 4 << 2.0 << "2";
    QTest::newRow("a 1 abajo") << a("1, 0.1, 100") << "SpinDown(4)" << 1 << 4 << 0.9 << "0.9";
    QTest::newRow("d 10 arriba dos veces")
        << d("10, 1, 100") << "SpinUp(5)" << 2 << 5 << 30.0 << "30";
    QTest::newRow("d 20 abajo dos veces")
        << d("20, 1, 100") << "SpinDown(5)" << 2 << 5 << 9.0 << "9";
    QTest::newRow("L 0.75 SpinUp(6)")
        << L("0.75, 0.38, 0.78") << "SpinUp(6)" << 1 << 6 << 0.75 << "0.75";
    QTest::newRow("L 0.5 SpinDown(6)")
        << L("0.5, 0.38, 0.78") << "SpinDown(6)" << 1 << 6 << 0.4 << "0.4";
    QTest::newRow("L 0.75 SpinUp1")
        << L("0.75, 0.38, 0.78") << "SpinUp1" << 1 << 6 << 0.76 << "0.76";
    QTest::newRow("L 0.75 SpinUp2")
        << L("0.75, 0.38, 0.78") << "SpinUp2" << 1 << 6 << 0.751 << "0.751";
    QTest::newRow("L 0.75 SpinDown2")
        << L("0.75, 0.38, 0.78") << "SpinDown2" << 1 << 6 << 0.749 << "0.749";
    QTest::newRow("L 0.38 SpinDown1")
        << L("0.38, 0.38, 0.78") << "SpinDown1" << 1 << 6 << 0.38 << "0.38";
    // The limits: the box shows the sine to two decimals.
    QTest::newRow("sector -1..1, inferior arriba")
        << inic_sector(-1, 1) << "SpinUp(1)" << 1 << 1 << -0.8 << "-0.62";
    QTest::newRow("sector -1..1, superior abajo")
        << inic_sector(-1, 1) << "SpinDown(2)" << 1 << 2 << 0.8 << "0.62";
    QTest::newRow("ancho 0.5, superior abajo")
        << inic_sector(-0.25, 0.25) << "SpinDown(2)" << 1 << 2 << 0.15 << "0.15";
    QTest::newRow("ancho 0.05, inferior arriba")
        << inic_sector(0.3, 0.35) << "SpinUp(1)" << 1 << 1 << 0.31 << "0.3";
    QTest::newRow("0.30 no pasa a 0.31")
        << inic_sector(0.3, 0.31) << "SpinUp(1)" << 1 << 1 << 0.3 << "0.29";
    QTest::newRow("0.30 no baja a 0.29 sobre 0.30")
        << inic_sector(0.3, 0.31) << "SpinDown(2)" << 1 << 2 << 0.31 << "0.3";
    QTest::newRow("inferior en su cota")
        << inic_sector(-2, 1) << "SpinDown(1)" << 1 << 1 << -2.0 << "-0.89";
    QTest::newRow("superior pasaria su cota")
        << inic_sector(1.9, 2) << "SpinUp(2)" << 1 << 2 << 2.0 << "0.89";
    QTest::newRow("inferior arriba cinco veces")
        << inic_sector(-1, 1) << "SpinUp(1)" << 5 << 1 << 0.0 << "0";
}

void PruebaSpin::pasos_por_boton() {
    QFETCH(QString, inic);
    QFETCH(QString, nombre);
    QFETCH(int, clics);
    QFETCH(int, indice);
    QFETCH(double, esperado);
    QFETCH(QString, texto);
    LocalePrueba locale(locale_punto());
    Ventana v(inic);
    QVERIFY(v.activa);
    for (int k = 0; k < clics; ++k) {
        clic(boton(v.f.get(), nombre));
    }
    QCOMPARE(v->g.valor[indice], f(esperado));
    QCOMPARE(v->ValorT[indice]->text(), texto);
    QCOMPARE(v->inf->top, static_cast<float>(v->g.valor[1].a_double()));
    QCOMPARE(v->sup->top, static_cast<float>(v->g.valor[2].a_double() + 0.2));
    QVERIFY(v.mensajes.textos.isEmpty());
}

void PruebaSpin::extremos_iguales_no_se_mueven() {
    // 0.29 goes up to 0.30 (0.5f - 0.2 is exactly 0.3); then the ends are equal
    // and no limit button moves them, the lower end never passing the upper.
    Ventana v(inic_sector(0.29, 0.3));
    QVERIFY(v.activa);
    clic(v->SpinUp[1]);
    QCOMPARE(v->g.valor[1], f(0.3));
    for (BotonSpin* b : {v->SpinUp[1], v->SpinDown[1], v->SpinUp[2], v->SpinDown[2]}) {
        clic(b);
        QCOMPARE(v->g.valor[1], f(0.3));
        QCOMPARE(v->g.valor[2], f(0.3));
    }
    QCOMPARE(v->ValorT[1]->text(), QStringLiteral("0.29"));
    QCOMPARE(v->ValorT[2]->text(), QStringLiteral("0.29"));
}

void PruebaSpin::pasos_finos_exactos_data() {
    QTest::addColumn<bool>("coma");
    QTest::newRow("punto") << false;
    QTest::newRow("coma") << true;
}

void PruebaSpin::pasos_finos_exactos() {
    QFETCH(bool, coma);
    LocalePrueba locale(coma ? locale_coma() : locale_punto());
    Ventana v(inic_con(6, QStringLiteral("0.38, 0.38, 0.78")));
    QVERIFY(v.activa);
    for (int k = 0; k < 40; ++k) {
        clic(v->SpinUp1);
    }
    QCOMPARE(v->g.valor[6], f(0.78));
    QCOMPARE(v->ValorT[6]->text(), coma ? QStringLiteral("0,78") : QStringLiteral("0.78"));
    clic(v->SpinUp1);
    clic(v->SpinUp2);
    QCOMPARE(v->g.valor[6], f(0.78));
    for (int k = 0; k < 13; ++k) {
        clic(v->SpinDown2);
    }
    QCOMPARE(v->g.valor[6], f(0.767));
    QCOMPARE(v->ValorT[6]->text(), coma ? QStringLiteral("0,767") : QStringLiteral("0.767"));
    clic(v->SpinDown[6]);
    QCOMPARE(v->g.valor[6], f(0.667));
}

void PruebaSpin::marca_de_pulsacion_data() {
    QTest::addColumn<QString>("inic");
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<bool>("cambia");
    QTest::newRow("paso dado") << QString::fromUtf8(CarpetaTrabajo::inic_normal) << "SpinUp(3)"
                               << true;
    QTest::newRow("paso rechazado")
        << inic_con(3, QStringLiteral("1, 1, 500")) << "SpinDown(3)" << false;
    QTest::newRow("flecha fina") << QString::fromUtf8(CarpetaTrabajo::inic_normal) << "SpinDown2"
                                 << true;
}

void PruebaSpin::marca_de_pulsacion() {
    QFETCH(QString, inic);
    QFETCH(QString, nombre);
    QFETCH(bool, cambia);
    Ventana v(inic);
    QVERIFY(v.activa);
    BotonSpin* b = boton(v.f.get(), nombre);
    const QString texto_antes = b == v->SpinDown2 ? v->ValorT[6]->text() : v->ValorT[3]->text();
    const QImage antes = b->imagen();
    QList<QImage> durante;
    {
        AlPintar espia(b, [&] { durante << b->imagen(); });
        clic(b);
    }
    QVERIFY(!durante.isEmpty());
    // While the click holds the window the arrow shows inverted...
    const QImage& marcada = durante.first();
    QCOMPARE(marcada.size(), antes.size());
    int invertidos = 0;
    for (int y = 0; y < antes.height(); ++y) {
        for (int x = 0; x < antes.width(); ++x) {
            const QRgb gris = qRgb(100, 100, 100);
            invertidos +=
                ((antes.pixel(x, y) ^ gris) & 0xFFFFFF) == (marcada.pixel(x, y) & 0xFFFFFF);
        }
    }
    QVERIFY2(invertidos > antes.width() * antes.height() * 3 / 4,
             qPrintable(QString::number(invertidos)));
    // ...and the second drawing restores it, whether the step was taken or not.
    QCOMPARE(b->imagen(), antes);
    const QString texto_despues = b == v->SpinDown2 ? v->ValorT[6]->text() : v->ValorT[3]->text();
    QCOMPARE(texto_despues != texto_antes, cambia);
}

void PruebaSpin::pausa_real_y_clics_en_espera() {
    Ventana v;
    QVERIFY(v.activa);
    v->pausa_spin = std::chrono::milliseconds(100);
    BotonSpin* b = v->SpinUp[5]; // d: 10, steps of 10
    // Two more clicks arrive while the first one holds the window.
    QCoreApplication::processEvents();
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
    const qint64 primera = reloj.nsecsElapsed();
    QVERIFY(encolados);
    QCOMPARE(v->g.valor[5], Fijo(20)); // the queued clicks wait their turn
    QVERIFY2(primera >= 100'000'000, qPrintable(QString::number(primera)));
    QTRY_COMPARE(v->g.valor[5], Fijo(40));
    QVERIFY(reloj.nsecsElapsed() >= 300'000'000);
    QCOMPARE(v->ValorT[5]->text(), QStringLiteral("40"));
}

void PruebaSpin::flecha_de_onda_colorea_los_rayos() {
    Ventana v;
    QVERIFY(v.activa);
    QVERIFY(color_onda(0.56) != color_onda(0.55));
    QVERIFY(pixeles_de(v->superficie->imagen(), color_onda(0.55)) > 0);
    clic(v->SpinUp1);
    QCOMPARE(v->g.valor[6], f(0.56));
    QVERIFY(pixeles_de(v->superficie->imagen(), color_onda(0.56)) > 0);
    QCOMPARE(pixeles_de(v->superficie->imagen(), color_onda(0.55)), 0);
}

void PruebaSpin::sin_curva_todo_se_mueve_libre() {
    Ventana v;
    QVERIFY(v.activa);
    const QString leyenda = v->Option1[0]->text();
    for (BotonSpin* b :
         {v->SpinUp[4], v->SpinUp[6], v->SpinDown1, v->SpinUp[3], v->SpinUp2, v->SpinDown[5]}) {
        clic(b);
    }
    QCOMPARE(v->g.valor[3], Fijo(6));
    QCOMPARE(v->g.valor[4], Fijo(3));
    QCOMPARE(v->g.valor[5], Fijo(9));
    QCOMPARE(v->g.valor[6], f(0.641));
    for (int i = 3; i <= 6; ++i) {
        QVERIFY(v->SpinUp[i]->isEnabled());
        QVERIFY(v->SpinDown[i]->isEnabled());
    }
    QVERIFY(v->SpinUp1->isEnabled() && v->SpinDown2->isEnabled());
    QCOMPARE(v->Option1[0]->text(), leyenda);
    QVERIFY(!v->cambio_spin);
}

int correr_spin(int argc, char** argv) {
    PruebaSpin p;
    return QTest::qExec(&p, argc, argv);
}

#include "prueba_spin.moc"
