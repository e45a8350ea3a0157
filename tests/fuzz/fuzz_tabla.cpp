// A sensor's table from any bytes: equal columns of finite numbers or a reason;
// its first two columns' profile on the screen or a reason; and the fit to it
// a status, with numbers only when it stands behind them.
#include "medicion/tabla.h"
#include "tests/fuzz/comun.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    const Tabla t = leer_tabla(
        QString::fromUtf8(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(n)));
    bool bien = t.error.isEmpty() == t.columnas.size() >= 2 &&
                t.nombres.size() == qsizetype(t.columnas.size());
    for (const auto& c : t.columnas) {
        bien = bien && c.size() == t.columnas[0].size() &&
               std::all_of(c.begin(), c.end(), [](double x) { return std::isfinite(x); });
    }
    EXIGIR(bien, "error \"%s\", %zu columns", qPrintable(t.error), t.columnas.size());
    QString error;
    const Perfil p = perfil_de_tabla(t, 0, 1, Eje::posicion, 1000, &error);
    EXIGIR(
        error.isEmpty() == !p.senos.empty() &&
            std::all_of(p.senos.begin(), p.senos.end(), [](double s) { return std::abs(s) < 1; }),
        "error \"%s\", %zu sines", qPrintable(error), p.senos.size());
    const Ajuste r = ajustar(p, Planteo{5, {0.633, 2, 10}, Libre::onda, true});
    EXIGIR(r.estado != EstadoAjuste::ajustado || (r.valores.onda > 0 && r.error_libre > 0),
           "L %g ± %g", r.valores.onda, r.error_libre);
    return 0;
}
