#include "session/formato.h"

#include "toolkit/texto.h"

#include <QRegularExpression>
#include <QStringList>

#include <array>
#include <charconv>
#include <cmath>
#include <string>

QString convert(const QString& c) {
    QString r = c;
    r.replace(QLatin1Char('/'), QLatin1Char('_'));
    r.replace(QLatin1Char(':'), QLatin1Char('_'));
    return r;
}

QString nombre_documento(QTime hora, const QLocale& l) {
    // Some locales (the "C" one among them) show seconds in their short form; the
    // file is named by the minute, so switchings-on within a minute share it.
    QString forma = l.timeFormat(QLocale::ShortFormat);
    static const QRegularExpression segundos(QStringLiteral("[:.]?s+(\\.z+)?"));
    forma.remove(segundos);
    return convert(l.toString(hora, forma)) + QStringLiteral(".log");
}

QString cabecera_documento(QDate fecha, const QLocale& l) {
    const QString blanco = QStringLiteral(" ") + fin_linea;
    return convert(l.toString(fecha, QLocale::ShortFormat)) + fin_linea + blanco +
           QStringLiteral("AngMin  AngMax   N     a     d   Long_Onda") + fin_linea + blanco;
}

namespace {

// Adds one unit in the last place of a string of decimal digits; true when
// the carry runs out of the front ("99" becomes "00").
bool sumar_uno(std::string& cifras) {
    for (auto i = cifras.rbegin(); i != cifras.rend(); ++i) {
        if (*i != '9') {
            ++*i;
            return false;
        }
        *i = '0';
    }
    return true;
}

} // namespace

QString con_patron(double x, QStringView patron, const QString& separador) {
    if (!std::isfinite(x)) {
        return QString::number(x);
    }
    const qsizetype punto = patron.indexOf(QLatin1Char('.'));
    const QStringView p_ent = punto < 0 ? patron : patron.left(punto);
    const QStringView p_dec = punto < 0 ? QStringView() : patron.mid(punto + 1);
    const auto min_ent = static_cast<std::size_t>(p_ent.count(QLatin1Char('0')));
    const auto min_dec = static_cast<std::size_t>(p_dec.count(QLatin1Char('0')));
    const auto max_dec = static_cast<std::size_t>(p_dec.size());

    // The shortest decimal text that reads back as x: 12.345 rounds as 12.345,
    // not as the binary value just below it.
    std::array<char, 400> buf{};
    const auto fin =
        std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(x), std::chars_format::fixed)
            .ptr;
    const std::string texto(buf.data(), fin);
    const std::size_t coma = texto.find('.');
    std::string ent = texto.substr(0, coma);
    std::string dec = coma == std::string::npos ? std::string() : texto.substr(coma + 1);

    if (dec.size() > max_dec) {
        const bool arriba = dec[max_dec] >= '5';
        dec.resize(max_dec);
        if (arriba) {
            std::string todo = ent + dec;
            if (sumar_uno(todo)) {
                todo.insert(todo.begin(), '1');
            }
            ent = todo.substr(0, todo.size() - max_dec);
            dec = todo.substr(todo.size() - max_dec);
        }
    }
    while (dec.size() > min_dec && dec.back() == '0') {
        dec.pop_back();
    }
    dec.resize(std::max(dec.size(), min_dec), '0');
    const std::size_t primera = ent.find_first_not_of('0');
    ent.erase(0, primera == std::string::npos ? ent.size() : primera);
    if (ent.size() < min_ent) {
        ent.insert(0, min_ent - ent.size(), '0');
    }

    const bool cero = (ent + dec).find_first_not_of('0') == std::string::npos;
    QString r = QString::fromStdString(ent);
    if (x < 0 && !cero) {
        r.prepend(QLatin1Char('-'));
    }
    if (!dec.empty()) {
        r += separador + QString::fromStdString(dec);
    }
    return r;
}

QString linea_documento(const CasoDocumentado& c, const QLocale& l) {
    const QString sep = l.decimalPoint();
    const auto campo = [](const QString& s, int ancho) {
        return s.leftJustified(ancho, QLatin1Char(' '), true);
    };
    return campo(con_patron(c.ang_min, u"#0.0#", sep), 11) +
           campo(con_patron(c.ang_max, u"#0.0#", sep), 12) +
           campo(con_patron(c.n.a_double(), u"###", sep), 7) +
           campo(con_patron(c.a.a_double(), u"##0.0", sep), 6) +
           campo(con_patron(c.d.a_double(), u"##0.0", sep), 6) +
           campo(con_patron(c.l.a_double(), u"0.0###", sep), 7);
}

std::optional<CasoDocumentado> leer_linea_documento(const QString& linea) {
    static const QRegularExpression blancos(QStringLiteral("[ \\t]+"));
    const QStringList campos = linea.trimmed().split(blancos, Qt::SkipEmptyParts);
    if (campos.size() != 6) {
        return std::nullopt;
    }
    std::array<double, 6> x{};
    for (int i = 0; i < 6; ++i) {
        bool bien = false;
        x[i] = QString(campos[i]).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&bien);
        if (!bien || !Fijo::representable(x[i])) {
            return std::nullopt;
        }
    }
    if (x[2] < 1 || x[2] != std::floor(x[2])) {
        return std::nullopt;
    }
    return CasoDocumentado{
        x[0], x[1], Fijo::desde(x[2]), Fijo::desde(x[3]), Fijo::desde(x[4]), Fijo::desde(x[5])};
}

QString texto_con_fin_linea(const QByteArray& contenido) {
    const QString todo = QString::fromLocal8Bit(contenido);
    QString r;
    qsizetype i = 0;
    while (i < todo.size()) {
        qsizetype j = i;
        while (j < todo.size() && todo[j] != QLatin1Char('\r') && todo[j] != QLatin1Char('\n')) {
            ++j;
        }
        r += todo.mid(i, j - i) + fin_linea;
        if (j < todo.size() && todo[j] == QLatin1Char('\r') && j + 1 < todo.size() &&
            todo[j + 1] == QLatin1Char('\n')) {
            ++j;
        }
        i = j + 1;
    }
    return r;
}
