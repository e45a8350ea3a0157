#include "toolkit/texto.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

QString convertir(const QString& cadena) {
    QString r = cadena;
    r.replace(QLatin1Char(','), QLatin1Char('.'));
    r.replace(QLocale().decimalPoint(), QStringLiteral("."));
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
    // Where the first significant digit stands: the count of significant
    // digits before the point, or minus the zeros after it, for deciding
    // between an infinity and a zero.
    long long orden = 0;
    bool significativa = false;
    std::size_t pos_exp = 0;
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
                const bool cero = c == QLatin1Char('0');
                if (!significativa && !cero) {
                    significativa = true;
                    orden += punto ? 0 : 1;
                } else if (!significativa && punto) {
                    --orden;
                } else if (significativa && !punto) {
                    ++orden;
                }
            }
        } else if (c == QLatin1Char('.') && !punto && !exponente) {
            punto = true;
            n.push_back('.');
        } else if ((c == QLatin1Char('e') || c == QLatin1Char('E') || c == QLatin1Char('d') ||
                    c == QLatin1Char('D')) &&
                   digitos && !exponente) {
            exponente = true;
            pos_exp = n.size();
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
        n.resize(pos_exp);
    }
    const char* inicio = n.data();
    if (*inicio == '+') {
        ++inicio;
    }
    double valor = 0;
    const auto [fin, error] = std::from_chars(inicio, n.data() + n.size(), valor);
    (void)fin;
    if (error == std::errc::result_out_of_range) {
        // Too large or too small for a double: the decimal magnitude decides. The
        // exponent is read saturated, so that any count of its digits is safe.
        constexpr long long tope = 1'000'000'000'000;
        long long exp10 = 0;
        if (exponente && digitos_exp) {
            const bool exp_negativo = n[pos_exp + 1] == '-';
            for (std::size_t i = pos_exp + 1; i < n.size(); ++i) {
                if (n[i] >= '0' && n[i] <= '9' && exp10 < tope) {
                    exp10 = exp10 * 10 + (n[i] - '0');
                }
            }
            exp10 = exp_negativo ? -exp10 : exp10;
        }
        const bool negativo = n.front() == '-';
        const double infinito = std::numeric_limits<double>::infinity();
        if (exp10 + orden > 0) {
            return negativo ? -infinito : infinito;
        }
        return negativo ? -0.0 : 0.0;
    }
    return valor;
}

namespace {

// The C locale's text of a number with the user's decimal mark in place of its point.
QString con_separador(const QString& c) {
    QString r = c;
    r.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return r;
}

QString sin_ceros_finales(QString s) {
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0'))) {
            s.chop(1);
        }
        if (s.endsWith(QLatin1Char('.'))) {
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
    QString t = QLocale::c().toString(x, 'g', 15);
    if (std::isinf(leer_numero(t))) {
        // Fifteen digits round the largest doubles up past the largest of all.
        t = QLocale::c().toString(x, 'g', QLocale::FloatingPointShortest);
    }
    return con_separador(t);
}

QString texto_fijo(Fijo x) {
    if (x == Fijo{}) {
        return QStringLiteral("0");
    }
    return con_separador(sin_ceros_finales(QLocale::c().toString(x.a_double(), 'f', 4)));
}
