// The documentation line: any finite values give 49 characters, six
// left-justified fields of 11, 12, 7, 6, 6 and 7; a field that is not cut
// holds its value rounded to its pattern's decimals, with the locale's mark.
#include "session/formato.h"
#include "tests/fuzz/comun.h"

#include <QLocale>

#include <cmath>
#include <limits>
#include <locale.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    Entrada e(datos, n);
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::Spanish, QLocale::Argentina),
                                      QLocale(QLocale::Arabic, QLocale::Egypt)};
    const QLocale& l = locales[e.tomar<std::uint8_t>() % 3];
    CasoDocumentado c;
    c.ang_min = e.tomar<double>();
    c.ang_max = e.tomar<double>();
    c.n = Fijo::crudo(e.tomar<std::int64_t>());
    c.a = Fijo::crudo(e.tomar<std::int64_t>());
    c.d = Fijo::crudo(e.tomar<std::int64_t>());
    c.l = Fijo::crudo(e.tomar<std::int64_t>());
    if (!std::isfinite(c.ang_min) || !std::isfinite(c.ang_max)) {
        return 0;
    }
    const QString linea = linea_documento(c, l);
    EXIGIR(linea.size() == 49, "%lld characters: %s", static_cast<long long>(linea.size()),
           qPrintable(linea));

    struct Campo {
        double x;
        int ancho, min_dec, max_dec;
    };
    const Campo campos[] = {{c.ang_min, 11, 1, 2},     {c.ang_max, 12, 1, 2},
                            {c.n.a_double(), 7, 0, 0}, {c.a.a_double(), 6, 1, 1},
                            {c.d.a_double(), 6, 1, 1}, {c.l.a_double(), 7, 1, 4}};
    const QChar marca = l.decimalPoint().at(0);
    static const locale_t clocale = newlocale(LC_ALL_MASK, "C", nullptr);
    qsizetype desde = 0;
    for (const Campo& k : campos) {
        const QString campo = linea.mid(desde, k.ancho);
        desde += k.ancho;
        const qsizetype fin = campo.indexOf(QLatin1Char(' '));
        const QString numero = fin < 0 ? campo : campo.left(fin);
        EXIGIR(campo.mid(numero.size()).trimmed().isEmpty(), "field «%s» not left-justified",
               qPrintable(campo));
        std::string ascii;
        int decimales = -1;
        for (qsizetype i = 0; i < numero.size(); ++i) {
            const QChar ch = numero[i];
            if (ch == marca && decimales < 0) {
                ascii.push_back('.');
                decimales = 0;
            } else if (ch.unicode() >= '0' && ch.unicode() <= '9') {
                ascii.push_back(static_cast<char>(ch.unicode()));
                decimales += decimales >= 0;
            } else {
                EXIGIR(ch == QLatin1Char('-') && i == 0, "field «%s»", qPrintable(campo));
                ascii.push_back('-');
            }
        }
        if (numero.size() == k.ancho) {
            continue; // it may be cut: only its characters are checked
        }
        decimales = std::max(decimales, 0);
        EXIGIR(decimales >= k.min_dec && decimales <= k.max_dec, "field «%s»: %d decimals",
               qPrintable(campo), decimales);
        const double y =
            ascii.empty() || ascii == "-" ? 0 : strtod_l(ascii.c_str(), nullptr, clocale);
        const double tope = 0.5 * std::pow(10.0, -k.max_dec) +
                            4 * std::numeric_limits<double>::epsilon() * std::fabs(k.x);
        EXIGIR(std::fabs(y - k.x) <= tope, "field «%s» for %.17g", qPrintable(campo), k.x);
    }
    return 0;
}
