#pragma once

#include "main/form1.h"
#include "tests/common/entorno.h"

#include <QByteArray>
#include <QString>

#include <memory>

class CajaValor;
class QWidget;

// An "inic.dat" with the shipped values and limits except record i.
QString inic_con(int i, const QString& registro);

// The main window in its own working folder, active so that focus moves and
// leaves boxes as it does for a user, its messages answered and recorded, and
// its spin pause shortened unless a test wants the real one.
struct Ventana {
    explicit Ventana(const QString& inic = QString::fromUtf8(CarpetaTrabajo::inic_normal));
    ~Ventana();
    Form1* operator->() const { return f.get(); }

    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    std::unique_ptr<Form1> f;
    bool activa = false;
};

// Clicks a value box, as a user selecting it for replacement.
void pulsar_caja(CajaValor* caja);
// Types text into the box that has the focus, key by key.
void teclear(CajaValor* caja, const QString& texto);
// Presses Tab in the box, moving the focus on.
void tabular(QWidget* w);
// Clicks a widget with the left button.
void clic(QWidget* w);

// Pixels of exactly colour c in a picture.
int pixeles_de(const QImage& imagen, Color c);

// Fixed-point values read as numbers in failure reports.
inline char* toString(const Fijo& x) {
    return qstrdup(QByteArray::number(x.a_double(), 'f', 4).constData());
}
