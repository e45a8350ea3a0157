#include "grafica/lecturas.h"

#include "model/pantalla.h"
#include "model/parametros.h"
#include "toolkit/texto.h"

#include <QLabel>

#include <cmath>

double tres_decimales(double s, double x) {
    const double signo = (x > 0) - (x < 0);
    return std::floor(s * 1000 + 0.005 * signo) / 1000;
}

Lecturas::Lecturas(QLabel* seno, QLabel* intensidad, QLabel* orden, QLabel* pantalla,
                   const Parametros& parametros)
    : seno_(seno), intensidad_(intensidad), orden_(orden), pantalla_(pantalla),
      parametros_(parametros) {
}

void Lecturas::set_distancia_pantalla(std::optional<double> cm) {
    distancia_cm_ = cm;
    poner_pantalla(std::nan(""));
    pantalla_->setVisible(cm.has_value());
}

void Lecturas::sobre_grafica(double x, std::optional<int> orden) {
    mostrar(texto_numero(tres_decimales(x, x)), x);
    const bool leida = orden && std::fabs(x) <= 1;
    poner_orden(leida ? QStringLiteral("m = ") + texto_numero(*orden) : QString());
}

void Lecturas::set_orden_visible(bool visible) {
    poner_orden(QString());
    orden_->setVisible(visible);
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
    poner_seno(texto_seno);
    poner_orden(QString());
    poner_pantalla(seno);
    const double a = parametros_.valor(Magnitud::ancho).a_double();
    poner_intensidad(texto_fijo(Fijo::desde(parametros_.red()(seno) * a * a)));
}

void Lecturas::borrar() {
    poner_seno(QString());
    poner_intensidad(QString());
    poner_orden(QString());
    poner_pantalla(std::nan(""));
}

void Lecturas::borrar_seno() {
    poner_seno(QString());
    poner_pantalla(std::nan(""));
}

QRect Lecturas::zona() const {
    QRect z;
    for (const QLabel* l : {seno_, intensidad_, orden_, pantalla_}) {
        z |= QRect(l->mapToGlobal(QPoint(0, 0)), l->size());
    }
    return z;
}

namespace {
void poner(QLabel* l, const QString& nombre, const QString& texto) {
    if (l->text() != texto) {
        l->setText(texto);
        l->setAccessibleName(texto.isEmpty() ? nombre : nombre + QLatin1Char(' ') + texto);
    }
}
} // namespace

void Lecturas::poner_seno(const QString& texto) {
    poner(seno_, QStringLiteral("Seno"), texto);
}

void Lecturas::poner_intensidad(const QString& texto) {
    poner(intensidad_, QStringLiteral("Intensidad"), texto);
}

void Lecturas::poner_orden(const QString& texto) {
    poner(orden_, QStringLiteral("Orden"), texto);
}

void Lecturas::poner_pantalla(double seno) {
    // To a tenth of a millimetre, what a ruler on the bench reads.
    const double y = distancia_cm_ ? posicion_en_pantalla_mm(seno, *distancia_cm_) : std::nan("");
    poner(pantalla_, QStringLiteral("Posición en la pantalla"),
          std::isfinite(y) ? QStringLiteral("y = %1 mm").arg(texto_numero(std::round(y * 10) / 10))
                           : QString());
}
