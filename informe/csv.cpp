#include "informe/csv.h"

#include "model/muestreo.h"
#include "model/ordenes.h"
#include "toolkit/marcas.h"

#include <QStringList>

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

namespace {

QLocale sin_grupos(QLocale l) {
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l;
}

QString fijo(Fijo x, const QLocale& l) {
    QString s = l.toString(x.a_double(), 'f', 4);
    const QString punto = l.decimalPoint();
    if (s.contains(punto)) {
        while (s.endsWith(QLatin1Char('0'))) {
            s.chop(1);
        }
        if (s.endsWith(punto)) {
            s.chop(punto.size());
        }
    }
    return s;
}

// The fewest digits that read back as the same number.
QString exacto(double x, const QLocale& l) {
    return x == 0 ? QStringLiteral("0") : l.toString(x, 'g', QLocale::FloatingPointShortest);
}

void fila(QString& texto, const QStringList& campos, QChar separador) {
    for (qsizetype i = 0; i < campos.size(); ++i) {
        if (i > 0) {
            texto += separador;
        }
        texto += campo_csv(campos[i], separador);
    }
    texto += QStringLiteral("\r\n");
}

QStringList parametros(int k, const Curva& c, const QLocale& l) {
    return {QString::number(k), fijo(c.onda, l), fijo(c.ancho, l), fijo(c.distancia, l),
            QString::number(c.ranuras)};
}

} // namespace

QChar separador_csv(const QLocale& locale) {
    return locale.decimalPoint() == QStringLiteral(",") ? QLatin1Char(';') : QLatin1Char(',');
}

QString campo_csv(const QString& campo, QChar separador) {
    if (!campo.contains(separador) && !campo.contains(QLatin1Char('"')) &&
        !campo.contains(QLatin1Char('\r')) && !campo.contains(QLatin1Char('\n'))) {
        return campo;
    }
    QString c = campo;
    c.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + c + QLatin1Char('"');
}

QString csv_muestras(const std::vector<Curva>& curvas, const QLocale& locale,
                     std::optional<double> pantalla_cm) {
    const QLocale l = sin_grupos(locale);
    const QChar sep = separador_csv(l);
    const bool pantalla = pantalla_cm && std::isfinite(*pantalla_cm) && *pantalla_cm > 0;
    QString texto;
    QStringList cabecera{QStringLiteral("curva"),
                         QStringLiteral("L (µm)"),
                         QStringLiteral("a (µm)"),
                         QStringLiteral("d (µm)"),
                         QStringLiteral("N"),
                         QStringLiteral("seno"),
                         QStringLiteral("ángulo (°)"),
                         QStringLiteral("intensidad"),
                         QStringLiteral("intensidad relativa (I/N²)")};
    // Last, so that the columns readers already take keep their places.
    if (pantalla) {
        cabecera << QStringLiteral("y (mm)");
    }
    fila(texto, cabecera, sep);
    for (std::size_t i = 0; i < curvas.size(); ++i) {
        const Curva& c = curvas[i];
        const double s0 = c.seno_min(), s1 = c.seno_max();
        // The samples the graph keeps whatever its width: its least number of bins, as one column.
        const Muestras muestras = muestrear_tramo(c, s0, s1, Columnas{s0, s1 - s0, 1});
        const QStringList comunes = parametros(static_cast<int>(i) + 1, c, l);
        texto.reserve(texto.size() + static_cast<qsizetype>(muestras.size()) * 120);
        for (const Muestra& m : muestras) {
            QStringList campos = comunes;
            campos << exacto(m.seno, l)
                   << texto_marca(std::asin(m.seno) * 180 / std::numbers::pi, 6, l)
                   << exacto(m.I, l) << exacto(m.I / c.alto(), l);
            if (pantalla) {
                campos << exacto(10 * *pantalla_cm * m.seno / std::sqrt(1 - m.seno * m.seno), l);
            }
            fila(texto, campos, sep);
        }
    }
    return texto;
}

QString csv_resumen(const std::vector<Curva>& curvas, const QLocale& locale) {
    const QLocale l = sin_grupos(locale);
    const QChar sep = separador_csv(l);
    std::vector<std::vector<Orden>> ordenes;
    int m_min = INT_MAX, m_max = INT_MIN;
    for (const Curva& c : curvas) {
        ordenes.push_back(ordenes_principales(c));
        for (const Orden& o : ordenes.back()) {
            m_min = std::min(m_min, o.m);
            m_max = std::max(m_max, o.m);
        }
    }
    QStringList cabecera{QStringLiteral("curva"),
                         QStringLiteral("L (µm)"),
                         QStringLiteral("a (µm)"),
                         QStringLiteral("d (µm)"),
                         QStringLiteral("N"),
                         QStringLiteral("seno mínimo"),
                         QStringLiteral("seno máximo"),
                         QStringLiteral("intensidad central (N²·a²)"),
                         QStringLiteral("órdenes ausentes")};
    for (int m = m_min; m <= m_max; ++m) {
        cabecera << QStringLiteral("seno del máximo m = %1").arg(m);
    }
    QString texto;
    fila(texto, cabecera, sep);
    for (std::size_t i = 0; i < curvas.size(); ++i) {
        const Curva& c = curvas[i];
        const double a = c.ancho.a_double();
        QStringList ausentes;
        QStringList senos;
        for (int m = m_min; m <= m_max; ++m) {
            const auto o = std::find_if(ordenes[i].begin(), ordenes[i].end(),
                                        [m](const Orden& x) { return x.m == m; });
            senos << (o == ordenes[i].end() ? QString() : exacto(o->seno, l));
            if (o != ordenes[i].end() && o->ausente) {
                ausentes << QString::number(m);
            }
        }
        QStringList campos = parametros(static_cast<int>(i) + 1, c, l);
        campos << exacto(c.seno_min(), l) << exacto(c.seno_max(), l) << exacto(c.alto() * a * a, l)
               << ausentes.join(QLatin1Char(' ')) << senos;
        fila(texto, campos, sep);
    }
    return texto;
}
