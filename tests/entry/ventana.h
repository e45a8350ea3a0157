#pragma once

#include "main/form1.h"
#include "tests/common/entorno.h"

#include <QByteArray>
#include <QString>

#include <memory>

class BotonSpin;
class CajaValor;

inline Fijo f(double x) {
    return Fijo::desde(x);
}

// Fixed-point values read as numbers in failure reports.
inline char* toString(const Fijo& x) {
    return qstrdup(QByteArray::number(x.a_double(), 'f', 4).constData());
}

// An "inic.dat" with the shipped values and limits except record i...
QString inic_con(int i, const QString& registro);
// ...or except the two ends of the sector (tangents, limits -2..2).
QString inic_sector(double inferior, double superior);

// The main window in its own working folder, active so that focus moves and
// leaves boxes as it does for a user, its messages answered and recorded, and
// its spin pause shortened unless a test wants the real one.
struct Ventana {
    explicit Ventana(const QString& inic = QString::fromUtf8(CarpetaTrabajo::inic_normal));
    Form1* operator->() const { return f.get(); }

    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    std::unique_ptr<Form1> f;
    bool activa = false; // and loaded without complaint
};

void pulsar_caja(CajaValor* caja); // a click on a box
void teclear(CajaValor* caja, const QString& texto);
void tabular(QWidget* w);
void clic(QWidget* w);

// The spin button named as in the window: "SpinUp(3)", "SpinDown1"...
BotonSpin* boton(Form1* v, const QString& nombre);

// Pixels of exactly colour c in a picture.
int pixeles_de(const QImage& imagen, Color c);
