// The box reading: `convertir` and the leading-number parse against the slow
// reference, in a point, a comma and an Arabic locale; and what the program
// writes into a box reads back as the number written.
#include "tests/fuzz/comun.h"
#include "tests/fuzz/referencia.h"
#include "toolkit/texto.h"

#include <QLocale>

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    if (n == 0) {
        return 0;
    }
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::Spanish, QLocale::Argentina),
                                      QLocale(QLocale::Arabic, QLocale::Egypt)};
    const QLocale& l = locales[datos[0] % 3];
    QLocale::setDefault(l);
    const QString texto =
        QString::fromUtf8(reinterpret_cast<const char*>(datos + 1), static_cast<qsizetype>(n - 1));

    std::u16string s = u16(texto);
    for (char16_t& c : s) {
        if (c == u',' || c == l.decimalPoint().at(0).unicode()) {
            c = u'.';
        }
    }
    const double leido = leer_numero(convertir(texto));
    const double esperado = referencia::numero(s);
    EXIGIR(std::memcmp(&leido, &esperado, sizeof leido) == 0, "read %.17g, expected %.17g from %s",
           leido, esperado, qPrintable(texto));

    Entrada e(datos + 1, n - 1);
    const double x = e.tomar<double>();
    if (std::isfinite(x)) {
        const QString t = texto_numero(x);
        const double y = leer_numero(convertir(t));
        // Fifteen significant digits.
        EXIGIR(std::fabs(y - x) <= 1e-14 * std::fabs(x), "%.17g written as %s reads %.17g", x,
               qPrintable(t), y);
    }
    const Fijo f = Fijo::crudo(e.tomar<std::int64_t>() % 9'000'000'000'000'000'000);
    const QString t = texto_fijo(f);
    EXIGIR(leer_numero(convertir(t)) == f.a_double(), "%lld ten-thousandths written as %s",
           static_cast<long long>(f.diezmilesimas()), qPrintable(t));
    return 0;
}
