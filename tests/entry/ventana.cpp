#include "tests/entry/ventana.h"

#include "entry/caja_valor.h"

#include <QApplication>
#include <QTest>

#include <chrono>

QString inic_con(int i, const QString& registro) {
    QStringList lineas = QString::fromUtf8(CarpetaTrabajo::inic_normal).split(QLatin1Char('\n'));
    lineas[i - 1] = registro;
    return lineas.join(QLatin1Char('\n'));
}

Ventana::Ventana(const QString& inic) : carpeta(inic) {
    f = abrir_form1();
    f->pausa_spin = std::chrono::milliseconds(0);
    f->activateWindow();
    activa = QTest::qWaitForWindowActive(f.get());
}

Ventana::~Ventana() {
    f.reset();
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

int pixeles_de(const QImage& imagen, Color c) {
    const QRgb buscado = qRgb(rojo_de(c), verde_de(c), azul_de(c));
    int n = 0;
    for (int y = 0; y < imagen.height(); ++y) {
        for (int x = 0; x < imagen.width(); ++x) {
            n += (imagen.pixel(x, y) & 0xFFFFFF) == (buscado & 0xFFFFFF) ? 1 : 0;
        }
    }
    return n;
}
