#include "tests/entry/ventana.h"

#include "entry/boton_spin.h"
#include "entry/caja_valor.h"

#include <QTest>

#include <chrono>

QString inic_con(int i, const QString& registro) {
    QStringList lineas = QString::fromUtf8(CarpetaTrabajo::inic_normal).split(QLatin1Char('\n'));
    lineas[i - 1] = registro;
    return lineas.join(QLatin1Char('\n'));
}

QString inic_sector(double inferior, double superior) {
    return inic_con(1, QStringLiteral("%1, -2, 2").arg(inferior))
        .replace(QStringLiteral("\n0.6, -2, 2"), QStringLiteral("\n%1, -2, 2").arg(superior));
}

Ventana::Ventana(const QString& inic) : carpeta(inic) {
    f = abrir_form1();
    f->pausa_spin = std::chrono::milliseconds(0);
    f->activateWindow();
    activa = QTest::qWaitForWindowActive(f.get()) && mensajes.textos.isEmpty();
}

void pulsar_caja(CajaValor* caja) {
    QTest::mouseClick(caja, Qt::LeftButton);
}

void teclear(CajaValor* caja, const QString& texto) {
    QTest::keyClicks(caja, texto);
}

void tabular(QWidget* w) {
    QTest::keyClick(w, Qt::Key_Tab);
}

void clic(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

BotonSpin* boton(Form1* v, const QString& nombre) {
    const QHash<QString, BotonSpin*> finos{{QStringLiteral("SpinUp1"), v->SpinUp1},
                                           {QStringLiteral("SpinDown1"), v->SpinDown1},
                                           {QStringLiteral("SpinUp2"), v->SpinUp2},
                                           {QStringLiteral("SpinDown2"), v->SpinDown2}};
    if (finos.contains(nombre)) {
        return finos.value(nombre);
    }
    const int i = nombre.at(nombre.size() - 2).digitValue();
    return nombre.startsWith(QLatin1String("SpinUp(")) ? v->SpinUp[i] : v->SpinDown[i];
}

int pixeles_de(const QImage& imagen, Color c) {
    const QRgb buscado = qRgb(rojo_de(c), verde_de(c), azul_de(c)) & 0xFFFFFF;
    int n = 0;
    for (int y = 0; y < imagen.height(); ++y) {
        for (int x = 0; x < imagen.width(); ++x) {
            n += (imagen.pixel(x, y) & 0xFFFFFF) == buscado ? 1 : 0;
        }
    }
    return n;
}
