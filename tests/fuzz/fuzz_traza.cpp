// The documentation switch: "trazo.txt" of any bytes reads as the reference
// says (the first field of the first line, rounded, 0 to 255, else 0), and
// what "Salir" writes reads back as the same switch.
#include "session/archivos.h"
#include "tests/fuzz/comun.h"
#include "tests/fuzz/referencia.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    const QString texto =
        QString::fromUtf8(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(n));
    const int leida = leer_traza(texto);

    const std::u16string s = u16(texto);
    const double x = std::nearbyint(referencia::numero(s.substr(0, s.find_first_of(u"\r\n,"))));
    const int esperada = x >= 0 && x <= 255 ? static_cast<int>(x) : 0;
    EXIGIR(leida == esperada, "read %d, expected %d", leida, esperada);

    const QByteArray escrito = texto_traza(static_cast<std::uint8_t>(leida));
    EXIGIR(leer_traza(QString::fromLatin1(escrito)) == leida, "%d written as %s", leida,
           escrito.constData());
    return 0;
}
