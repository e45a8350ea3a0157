// The start-up values reader: any bytes give values or a short message. Values
// keep their own limits and the limits the plot can serve, and are the 18
// numbers of the file as the reference reads them.
#include "main/inic.h"
#include "model/muestreo.h"
#include "tests/fuzz/comun.h"
#include "tests/fuzz/referencia.h"
#include "toolkit/lectura.h"

#include <QRegularExpression>
#include <QStringList>

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    QString por_que;
    const QString texto = texto_de(
        QByteArray::fromRawData(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(n)),
        &por_que);
    if (texto.isNull()) {
        EXIGIR(!por_que.isEmpty(), "no text, and no reason");
        return 0;
    }
    const LecturaInicio r = leer_inic(texto);
    if (!r.error.isEmpty()) {
        EXIGIR(r.parametros == parametros_de_fabrica(), "values kept after: %s",
               qPrintable(r.error));
        EXIGIR(r.error.size() < 400, "a message too long to read: %s", qPrintable(r.error));
        return 0;
    }

    const Parametros& p = r.parametros;
    for (Magnitud m : magnitudes) {
        EXIGIR(p.minimo(m) <= p.valor(m) && p.valor(m) <= p.maximo(m), "quantity %d outside",
               indice(m));
    }
    for (Magnitud m : {Magnitud::ranuras, Magnitud::ancho, Magnitud::distancia, Magnitud::onda}) {
        EXIGIR(p.minimo(m) > Fijo() && p.maximo(m) <= Fijo(limite_mayor), "limits of %d",
               indice(m));
    }
    EXIGIR(p.minimo(Magnitud::ranuras) >= Fijo(1), "N below 1");
    EXIGIR(p.valor(Magnitud::ranuras).diezmilesimas() % Fijo::escala == 0, "N not whole");
    for (Magnitud m : {Magnitud::inferior, Magnitud::superior}) {
        EXIGIR(p.minimo(m) >= Fijo(-2) && p.maximo(m) <= Fijo(2), "end %d off the strip",
               indice(m));
    }
    EXIGIR(p.valor(Magnitud::inferior) < p.valor(Magnitud::superior), "ends reversed");
    const long long muestras = muestras_del_peor_caso(
        p.maximo(Magnitud::ranuras).a_double(), p.maximo(Magnitud::ancho).a_double(),
        p.maximo(Magnitud::distancia).a_double(), seno_de_tangente(p.minimo(Magnitud::inferior)),
        seno_de_tangente(p.maximo(Magnitud::superior)), p.minimo(Magnitud::onda).a_double());
    EXIGIR(muestras <= muestras_maximas, "%lld samples", muestras);

    // Fields between commas and line ends, those of blanks alone dropped: 18
    // numbers, in the order value, lowest, highest for each quantity.
    std::vector<double> numeros;
    for (const QString& campo : texto.split(QRegularExpression(QStringLiteral("[,\r\n]")))) {
        if (campo.trimmed().isEmpty()) {
            continue;
        }
        double x = 0;
        EXIGIR(referencia::numero_entero(u16(campo), x), "«%s» taken for a number",
               qPrintable(campo));
        numeros.push_back(x);
    }
    EXIGIR(numeros.size() == 18, "%zu numbers", numeros.size());
    for (Magnitud m : magnitudes) {
        const std::size_t i = 3 * static_cast<std::size_t>(indice(m) - 1);
        EXIGIR(p.valor(m) == Fijo::desde(numeros[i]) &&
                   p.minimo(m) == Fijo::desde(numeros[i + 1]) &&
                   p.maximo(m) == Fijo::desde(numeros[i + 2]),
               "quantity %d is not what the file says", indice(m));
    }
    return 0;
}
