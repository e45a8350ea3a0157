#include "medicion/medida.h"

#include <QJsonArray>
#include <QLocale>

#include <cmath>

namespace {

QJsonArray arreglo(const std::vector<double>& v) {
    QJsonArray a;
    for (double x : v) {
        a.append(x);
    }
    return a;
}

bool numeros(const QJsonValue& v, std::vector<double>* salida) {
    if (!v.isArray()) {
        return false;
    }
    for (const QJsonValue& x : v.toArray()) {
        if (!x.isDouble()) {
            return false;
        }
        salida->push_back(x.toDouble());
    }
    return true;
}

QString con_decimales(double x, int decimales) {
    return QString::number(x, 'f', decimales).replace(u'.', QLocale().decimalPoint());
}

} // namespace

QJsonObject a_json(const DatosMedicion& m) {
    return {{QStringLiteral("origen"), m.origen},
            {QStringLiteral("senos"), arreglo(m.perfil.senos)},
            {QStringLiteral("intensidades"), arreglo(m.perfil.intensidades)},
            {QStringLiteral("libre"),
             m.libre == Libre::distancia ? QStringLiteral("d") : QStringLiteral("L")},
            {QStringLiteral("ancho_libre"), m.ancho_libre}};
}

std::optional<DatosMedicion> de_json(const QJsonObject& o, QString* error) {
    DatosMedicion m;
    m.origen = o.value(QStringLiteral("origen")).toString();
    const QString libre = o.value(QStringLiteral("libre")).toString();
    if (!numeros(o.value(QStringLiteral("senos")), &m.perfil.senos) ||
        !numeros(o.value(QStringLiteral("intensidades")), &m.perfil.intensidades) ||
        m.perfil.senos.size() != m.perfil.intensidades.size() || m.perfil.senos.empty()) {
        *error = QStringLiteral("la medición no tiene un seno para cada intensidad");
        return std::nullopt;
    }
    for (double s : m.perfil.senos) {
        if (!(std::abs(s) < 1)) {
            *error = QStringLiteral("la medición tiene un seno fuera de la pantalla");
            return std::nullopt;
        }
    }
    if (libre != QStringLiteral("d") && libre != QStringLiteral("L")) {
        *error = QStringLiteral("la medición no dice si se busca d o L");
        return std::nullopt;
    }
    m.libre = libre == QStringLiteral("d") ? Libre::distancia : Libre::onda;
    m.ancho_libre = o.value(QStringLiteral("ancho_libre")).toBool(true);
    return m;
}

QString texto_con_error(const QString& nombre, double valor, double error, const QString& unidad) {
    // The decimal of the uncertainty's first significant figure, one further when it is a 1.
    // (An exact fit, of a profile the model drew, has none: its value to a micrometre's millionth.)
    int decimales = 6;
    if (error >= 1e-6 && std::isfinite(error)) {
        decimales = -int(std::floor(std::log10(error)));
        if (std::floor(error * std::pow(10.0, decimales)) < 2) {
            ++decimales;
        }
    }
    decimales = std::clamp(decimales, 0, 6);
    return QStringLiteral("%1 = %2 ± %3 %4")
        .arg(nombre, con_decimales(valor, decimales), con_decimales(error, decimales), unidad);
}

QString motivo(EstadoAjuste e) {
    switch (e) {
    case EstadoAjuste::ajustado:
        return {};
    case EstadoAjuste::pocos_datos:
        return QStringLiteral(
            "La medición tiene muy pocos datos, o ninguna variación, para ajustarla.");
    case EstadoAjuste::sin_periodo:
        return QStringLiteral("La medición no muestra franjas: no hay un período del que partir.");
    case EstadoAjuste::no_converge:
        return QStringLiteral(
            "El ajuste no converge: ningún caso de la red se acerca a la medición.");
    case EstadoAjuste::ambiguo:
        return QStringLiteral(
            "El ajuste es ambiguo: la medición no alcanza para decidir el valor.");
    case EstadoAjuste::no_se_parece:
        return QStringLiteral(
            "El modelo no se parece a la medición: el mejor ajuste deja gran parte sin explicar.");
    case EstadoAjuste::descentrado:
        return QStringLiteral("El máximo central de la medición no está en la posición 0: revise "
                              "el cero de las posiciones.");
    case EstadoAjuste::fuera_de_rango:
        return QStringLiteral("El ajuste da un caso que no es una red (una abertura mayor que la "
                              "distancia entre rendijas).");
    }
    return {};
}
