// The lesson reader: any bytes give a lesson or a short reason and nothing
// else. A lesson read keeps its values within its limits and holds at most six
// curves, and what is written of it reads back as the same lesson.
#include "leccion/leccion.h"
#include "tests/fuzz/comun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    const LecturaLeccion r = leer_leccion(
        QByteArray::fromRawData(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(n)));
    if (!r.error.isEmpty()) {
        EXIGIR(r.leccion == Leccion{}, "a lesson kept after: %s", qPrintable(r.error));
        EXIGIR(r.error.size() < 400, "a reason too long to read: %s", qPrintable(r.error));
        return 0;
    }
    const Leccion& l = r.leccion;
    const Parametros& p = l.parametros;
    EXIGIR(l.curvas.size() <= curvas_por_leccion, "%zu curves", l.curvas.size());
    for (Magnitud m : magnitudes) {
        EXIGIR(p.minimo(m) <= p.valor(m) && p.valor(m) <= p.maximo(m), "quantity %d outside",
               indice(m));
    }
    EXIGIR(p.minimo(Magnitud::ranuras) >= Fijo(1), "N below 1");
    for (const CurvaLeccion& c : l.curvas) {
        EXIGIR(c.curva.ranuras >= 1 && Fijo(c.curva.ranuras) <= p.maximo(Magnitud::ranuras),
               "a curve of %d slits", c.curva.ranuras);
        EXIGIR(c.curva.inferior < c.curva.superior, "a curve over an empty sector");
        EXIGIR(c.curva.onda >= p.minimo(Magnitud::onda) &&
                   c.curva.ancho >= p.minimo(Magnitud::ancho),
               "a curve below the limits");
    }
    const QByteArray escrita = escribir_leccion(l);
    const LecturaLeccion otra = leer_leccion(escrita);
    EXIGIR(otra.error.isEmpty() && otra.leccion == l, "written, it reads otherwise (%s):\n%s",
           qPrintable(otra.error), escrita.constData());
    return 0;
}
