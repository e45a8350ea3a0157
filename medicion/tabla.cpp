#include "medicion/tabla.h"

#include <QRegularExpression>

#include <cmath>
#include <numbers>
#include <optional>

namespace {

// A field as a number, "," read as "." when `coma_decimal`; nothing when it is
// not wholly one (an infinity or "nan" included).
std::optional<double> numero(QString campo, bool coma_decimal) {
    campo = campo.trimmed();
    if (campo.size() >= 2 && campo.startsWith(u'"') && campo.endsWith(u'"')) {
        campo = campo.mid(1, campo.size() - 2).trimmed();
    }
    if (coma_decimal) {
        campo.replace(u',', u'.');
    }
    bool ok = false;
    const double x = campo.toDouble(&ok);
    if (!ok || !std::isfinite(x)) {
        return std::nullopt;
    }
    return x;
}

QChar separador_de(const QString& linea) {
    for (QChar c : {QChar(u'\t'), QChar(u';'), QChar(u',')}) {
        if (linea.contains(c)) {
            return c;
        }
    }
    return QChar(u' ');
}

QStringList campos(const QString& linea, QChar separador) {
    if (separador == u' ') {
        return linea.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    }
    return linea.split(separador);
}

} // namespace

Tabla leer_tabla(const QString& texto) {
    Tabla t;
    const QStringList lineas = texto.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    QStringList cabecera;
    QChar separador;
    bool coma = false;
    int fila = 0;
    for (const QString& cruda : lineas) {
        ++fila;
        const QString linea = cruda.trimmed();
        if (linea.isEmpty() || linea.startsWith(u'#')) {
            continue;
        }
        if (t.columnas.empty()) {
            // Until the first row of numbers: a header, or that row.
            const QChar sep = separador_de(linea);
            const QStringList c = campos(linea, sep);
            bool todos = c.size() >= 1;
            for (const QString& campo : c) {
                todos = todos && numero(campo, sep != u',').has_value();
            }
            if (!todos) {
                cabecera = c;
                continue;
            }
            separador = sep;
            coma = sep != u',';
            t.columnas.resize(std::size_t(c.size()));
        }
        const QStringList c = campos(linea, separador);
        if (c.size() != qsizetype(t.columnas.size())) {
            t.error = QStringLiteral("tiene en la línea %1 %2 columnas, y no %3")
                          .arg(fila)
                          .arg(c.size())
                          .arg(t.columnas.size());
            t.columnas.clear();
            return t;
        }
        for (qsizetype i = 0; i < c.size(); ++i) {
            const auto x = numero(c[i], coma);
            if (!x) {
                t.error = QStringLiteral("tiene en la línea %1 un dato que no es un número: «%2»")
                              .arg(fila)
                              .arg(c[i].trimmed().left(20));
                t.columnas.clear();
                return t;
            }
            t.columnas[std::size_t(i)].push_back(*x);
        }
    }
    if (t.columnas.empty()) {
        t.error = QStringLiteral("no tiene números");
    } else if (t.columnas.size() < 2) {
        t.error = QStringLiteral("tiene una sola columna");
        t.columnas.clear();
    } else {
        for (std::size_t i = 0; i < t.columnas.size(); ++i) {
            const bool nombrada = cabecera.size() == qsizetype(t.columnas.size()) &&
                                  !cabecera[qsizetype(i)].trimmed().isEmpty();
            t.nombres << (nombrada ? cabecera[qsizetype(i)].trimmed()
                                   : QStringLiteral("Columna %1").arg(i + 1));
        }
    }
    return t;
}

Perfil perfil_de_tabla(const Tabla& t, int x, int y, Eje eje, double distancia_mm, QString* error) {
    Perfil p;
    const int n = int(t.columnas.size());
    if (x < 0 || y < 0 || x >= n || y >= n || x == y) {
        *error = QStringLiteral("Elija dos columnas distintas.");
        return p;
    }
    if (eje == Eje::posicion && !(distancia_mm > 0)) {
        *error = QStringLiteral("La distancia de la red a la pantalla debe ser mayor que 0 mm.");
        return p;
    }
    const auto& cx = t.columnas[std::size_t(x)];
    const auto& cy = t.columnas[std::size_t(y)];
    bool alguna = false;
    for (std::size_t i = 0; i < cx.size(); ++i) {
        double s = cx[i];
        if (eje == Eje::posicion) {
            const double tg = cx[i] / distancia_mm;
            s = tg / std::sqrt(1 + tg * tg);
        } else if (eje == Eje::angulo) {
            if (std::abs(cx[i]) >= 90) {
                s = 2; // refused below
            } else {
                s = std::sin(cx[i] * std::numbers::pi / 180);
            }
        }
        if (!(std::abs(s) < 1)) {
            *error = QStringLiteral("El valor %1 de la columna «%2» no cae en la pantalla.")
                         .arg(cx[i])
                         .arg(t.nombres.value(x));
            return {};
        }
        p.senos.push_back(s);
        p.intensidades.push_back(cy[i]);
        alguna = alguna || cy[i] != 0;
    }
    if (!alguna) {
        *error = QStringLiteral("La intensidad es cero en todas las filas.");
        return {};
    }
    return p;
}
