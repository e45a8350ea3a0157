#include "toolkit/texto.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

QString convertir(const QString& cadena) {
    QString r = cadena;
    r.replace(QLatin1Char(','), QLatin1Char('.'));
    return r;
}

double formato(double X) {
    return std::floor((X + 0.005) * 100) / 100;
}

namespace {

bool es_blanco(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r');
}

bool es_digito(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

double leer_numero(const QString& texto) {
    // Collect the longest prefix that forms a number, blanks removed.
    std::string n;
    bool digitos = false;
    bool punto = false;
    bool exponente = false;
    bool digitos_exp = false;
    int cifras_enteras = 0; // significant digits before the point, for overflow
    bool ceros_iniciales = true;
    int pos_exp = -1;
    for (QChar c : texto) {
        if (es_blanco(c)) {
            continue;
        }
        const bool signo = c == QLatin1Char('+') || c == QLatin1Char('-');
        if (signo && (n.empty() || (exponente && n.back() == 'e'))) {
            n.push_back(static_cast<char>(c.unicode()));
        } else if (es_digito(c)) {
            n.push_back(static_cast<char>(c.unicode()));
            if (exponente) {
                digitos_exp = true;
            } else {
                digitos = true;
                if (!punto && !(ceros_iniciales && c == QLatin1Char('0'))) {
                    ceros_iniciales = false;
                    ++cifras_enteras;
                }
            }
        } else if (c == QLatin1Char('.') && !punto && !exponente) {
            punto = true;
            n.push_back('.');
        } else if ((c == QLatin1Char('e') || c == QLatin1Char('E') || c == QLatin1Char('d') ||
                    c == QLatin1Char('D')) &&
                   digitos && !exponente) {
            exponente = true;
            pos_exp = static_cast<int>(n.size());
            n.push_back('e');
        } else {
            break;
        }
    }
    if (!digitos) {
        return 0;
    }
    if (exponente && !digitos_exp) {
        // "1e" or "1e-": the exponent never started, so the mantissa stands alone.
        n.resize(static_cast<std::size_t>(pos_exp));
    }
    const char* inicio = n.data();
    if (*inicio == '+') {
        ++inicio;
    }
    double valor = 0;
    const auto [fin, error] = std::from_chars(inicio, n.data() + n.size(), valor);
    (void)fin;
    if (error == std::errc::result_out_of_range) {
        // Too large or too small for a double: decide by the decimal magnitude.
        long long exp10 = 0;
        if (exponente && digitos_exp) {
            exp10 = std::strtoll(n.c_str() + pos_exp + 1, nullptr, 10);
        }
        const bool negativo = n.front() == '-';
        const double infinito = std::numeric_limits<double>::infinity();
        if (exp10 + cifras_enteras > 0) {
            return negativo ? -infinito : infinito;
        }
        return negativo ? -0.0 : 0.0;
    }
    return valor;
}

namespace {

QLocale local() {
    QLocale l;
    l.setNumberOptions(l.numberOptions() | QLocale::OmitGroupSeparator);
    return l;
}

QString sin_ceros_finales(QString s, QChar separador) {
    if (s.contains(separador)) {
        while (s.endsWith(QLatin1Char('0'))) {
            s.chop(1);
        }
        if (s.endsWith(separador)) {
            s.chop(1);
        }
    }
    return s;
}

} // namespace

QString texto_numero(double x) {
    if (x == 0) {
        return QStringLiteral("0"); // never "-0"
    }
    return local().toString(x, 'g', 15);
}

QString texto_fijo(Fijo x) {
    if (x == Fijo{}) {
        return QStringLiteral("0");
    }
    const QLocale l = local();
    return sin_ceros_finales(l.toString(x.a_double(), 'f', 4), l.decimalPoint().at(0));
}
