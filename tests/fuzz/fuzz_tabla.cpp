// A sensor's table: any bytes read as one give columns of equal length and
// finite numbers, or a reason and none; the profile of its first two columns
// has sines on the screen, or a reason; and the fit to it ends with a status,
// numbers only when it stands behind them.
#include "medicion/tabla.h"
#include "tests/fuzz/comun.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    const Tabla t = leer_tabla(
        QString::fromUtf8(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(n)));
    EXIGIR(t.error.isEmpty() != t.columnas.empty(), "error \"%s\" beside %zu columns",
           qPrintable(t.error), t.columnas.size());
    if (t.columnas.empty()) {
        return 0;
    }
    EXIGIR(t.columnas.size() >= 2 && t.nombres.size() == qsizetype(t.columnas.size()),
           "%zu columns, %lld names", t.columnas.size(), static_cast<long long>(t.nombres.size()));
    for (const auto& c : t.columnas) {
        EXIGIR(c.size() == t.columnas[0].size(), "columns of %zu and %zu", c.size(),
               t.columnas[0].size());
        for (double x : c) {
            EXIGIR(std::isfinite(x), "a number %g", x);
        }
    }
    QString error;
    const Perfil p = perfil_de_tabla(t, 0, 1, Eje::posicion, 1000, &error);
    EXIGIR(error.isEmpty() == !p.senos.empty(), "error \"%s\" beside %zu sines", qPrintable(error),
           p.senos.size());
    for (double s : p.senos) {
        EXIGIR(std::abs(s) < 1, "sine %g", s);
    }
    Planteo q;
    q.ranuras = 5;
    q.conocidos = {0.633, 2, 10};
    const Ajuste r = ajustar(p, q);
    if (r.estado == EstadoAjuste::ajustado) {
        EXIGIR(std::isfinite(r.valores.onda) && r.error_libre > 0 && r.valores.onda > 0,
               "L %g ± %g", r.valores.onda, r.error_libre);
    }
    return 0;
}
