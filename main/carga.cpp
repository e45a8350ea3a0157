// Start-up of the main window.
#include "main/form1.h"

#include "entry/boton_spin.h"
#include "entry/caja_valor.h"
#include "main/inic.h"
#include "main/texto.h"
#include "model/intens.h"
#include "screen/marcador.h"
#include "toolkit/mensaje.h"
#include "toolkit/picture_box.h"

#include <QFile>

#include <cmath>

namespace {

// "inic.dat" as read, or the built-in values after telling the user why.
ValoresInicio valores_de_inicio() {
    QFile archivo(QStringLiteral("inic.dat"));
    QString problema;
    LecturaInicio lectura;
    if (!archivo.open(QIODevice::ReadOnly | QIODevice::Text)) {
        problema = QStringLiteral("No se puede leer el archivo \"inic.dat\" de la carpeta del "
                                  "programa (%1).")
                       .arg(archivo.exists() ? archivo.errorString() : QStringLiteral("no existe"));
    } else {
        lectura = leer_inic(QString::fromUtf8(archivo.readAll()));
        if (lectura.error.isEmpty()) {
            return lectura.valores;
        }
        problema = QStringLiteral("El archivo \"inic.dat\" no es válido: %1.").arg(lectura.error);
    }
    mensaje(problema + fin_linea + QStringLiteral("Se usan los valores de fábrica."));
    return valores_de_fabrica();
}

} // namespace

void Form1::Form_Load() {
    contar_archivos();
    for (int i = 1; i <= 6; ++i) {
        SpinUp[i]->set_modo(PictureBox::Modo::invertir);
        SpinDown[i]->set_modo(PictureBox::Modo::invertir);
    }
    for (BotonSpin* b : {SpinUp1, SpinDown1, SpinUp2, SpinDown2}) {
        b->set_modo(PictureBox::Modo::invertir);
    }
    Picture4->set_modo(PictureBox::Modo::invertir);
    Picture4->scale(0, 0, 20, 20);
    g.gris = RGB(100, 100, 100);
    setWindowState(windowState() | Qt::WindowMaximized);
    superficie->scale(0, 2.5, 10, -3.5);
    graficado = false;
    cambio_spin = false;
    restaurar_traza();
    g.pi = pi_simple();

    const ValoresInicio inicio = valores_de_inicio();
    minimo = inicio.minimo;
    maximo = inicio.maximo;
    for (int i = 1; i <= 6; ++i) {
        g.valor[i] = inicio.valor[i];
        if (i >= 3) {
            ValorT[i]->setText(texto_fijo(g.valor[i]));
        }
    }
    for (int i = 1; i <= 2; ++i) {
        const double t = g.valor[i].a_double();
        ValorT[i]->setText(texto_numero(formato(t / std::sqrt(t * t + 1))));
    }
    g.ncurvas = 0;
    Picture3->scale(0, 2.2, 1, -2.2);
    mover_marcador(inf, static_cast<float>(g.valor[1].a_double()));
    mover_marcador(sup, static_cast<float>(g.valor[2].a_double() + 0.2));
    pantalla(g.valor[2], g.valor[1]);
    lineas(QBColor(7));
    superficie->linea({0.69, -0.41}, {1.5, 1.56}, QBColor(7));
    const QPalette paleta = ValorT[1]->palette();
    const QColor fondo = paleta.color(QPalette::Base);
    const QColor texto = paleta.color(QPalette::Text);
    color_fondo = RGB(fondo.red(), fondo.green(), fondo.blue());
    color_texto = RGB(texto.red(), texto.green(), texto.blue());
}
