#include "grafica/lecturas.h"

#include "model/parametros.h"
#include "toolkit/texto.h"

#include <QLabel>

#include <cmath>

double tres_decimales(double s, double x) {
    const double signo = (x > 0) - (x < 0);
    return std::floor(s * 1000 + 0.005 * signo) / 1000;
}

Lecturas::Lecturas(QLabel* seno, QLabel* intensidad, const Parametros& parametros)
    : seno_(seno), intensidad_(intensidad), parametros_(parametros) {
}

void Lecturas::sobre_grafica(double x) {
    mostrar(texto_numero(tres_decimales(x, x)), x);
}

void Lecturas::sobre_sector(double seno, double x) {
    mostrar(texto_numero(tres_decimales(seno, x)), seno);
}

void Lecturas::sobre_zoom(double x) {
    mostrar(texto_fijo(Fijo::desde(x)), x);
}

void Lecturas::mostrar(const QString& texto_seno, double seno) {
    if (!(std::fabs(seno) <= 1)) {
        borrar();
        return;
    }
    seno_->setText(texto_seno);
    const double a = parametros_.valor(Magnitud::ancho).a_double();
    intensidad_->setText(texto_fijo(Fijo::desde(parametros_.red()(seno) * a * a)));
}

void Lecturas::borrar() {
    seno_->clear();
    intensidad_->clear();
}

void Lecturas::borrar_seno() {
    seno_->clear();
}
