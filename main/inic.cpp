#include "main/inic.h"

#include "main/texto.h"

#include <QRegularExpression>
#include <QStringList>

ValoresInicio valores_de_fabrica() {
    ValoresInicio v;
    const double tabla[7][3] = {{0, 0, 0},     {-0.6, -2, 2}, {0.6, -2, 2},      {5, 1, 500},
                                {2, 0.1, 100}, {10, 1, 100},  {0.55, 0.38, 0.78}};
    for (int i = 1; i <= 6; ++i) {
        v.valor[i] = Fijo::desde(tabla[i][0]);
        v.minimo[i] = Fijo::desde(tabla[i][1]);
        v.maximo[i] = Fijo::desde(tabla[i][2]);
    }
    return v;
}

namespace {

const char* const nombres[7] = {"",
                                "extremo inferior de la pantalla",
                                "extremo superior de la pantalla",
                                "número de ranuras",
                                "ancho de ranura",
                                "distancia entre ranuras",
                                "longitud de onda"};

QString nombre(int i) {
    return QString::fromUtf8(nombres[i]);
}

// A field holds a number when all of it is one (blanks aside).
bool es_numero(const QString& campo) {
    static const QRegularExpression patron(
        QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eEdD][+-]?\d+)?\s*$)"));
    return patron.match(campo).hasMatch();
}

} // namespace

LecturaInicio leer_inic(const QString& texto) {
    LecturaInicio r;
    r.valores = valores_de_fabrica();
    static const QRegularExpression separador(QStringLiteral(R"([,\n\r]+)"));
    QStringList campos = texto.split(separador, Qt::SkipEmptyParts);
    campos.removeIf([](const QString& c) { return c.trimmed().isEmpty(); });
    if (campos.size() < 18) {
        r.error = QStringLiteral("tiene %1 números y se necesitan 18 (seis renglones de tres)")
                      .arg(campos.size());
        return r;
    }
    ValoresInicio v;
    for (int i = 1; i <= 6; ++i) {
        std::array<Fijo, 3> terna;
        for (int k = 0; k < 3; ++k) {
            const QString& campo = campos[(i - 1) * 3 + k];
            const double x = leer_numero(campo);
            if (!es_numero(campo) || !Fijo::representable(x)) {
                r.error = QStringLiteral("el dato «%1» del renglón %2 no es un número válido")
                              .arg(campo.trimmed())
                              .arg(i);
                return r;
            }
            terna[k] = Fijo::desde(x);
        }
        v.valor[i] = terna[0];
        v.minimo[i] = terna[1];
        v.maximo[i] = terna[2];
        if (v.minimo[i] > v.maximo[i]) {
            r.error = QStringLiteral("en el renglón %1 (%2) el límite inferior %3 es mayor que el "
                                     "superior %4")
                          .arg(i)
                          .arg(nombre(i), texto_fijo(v.minimo[i]), texto_fijo(v.maximo[i]));
            return r;
        }
        if (v.valor[i] < v.minimo[i] || v.valor[i] > v.maximo[i]) {
            r.error = QStringLiteral("en el renglón %1 (%2) el valor %3 está fuera de sus límites "
                                     "(%4 a %5)")
                          .arg(i)
                          .arg(nombre(i), texto_fijo(v.valor[i]), texto_fijo(v.minimo[i]),
                               texto_fijo(v.maximo[i]));
            return r;
        }
    }
    // Quantities the model divides by or counts with, and the strip's reach.
    const Fijo pequeno = Fijo::crudo(1);
    if (v.minimo[3] < 1 || v.minimo[4] < pequeno || v.minimo[5] < pequeno ||
        v.minimo[6] < pequeno) {
        r.error = QStringLiteral("N, el ancho, la distancia y la longitud de onda deben tener "
                                 "límites inferiores positivos (N al menos 1)");
        return r;
    }
    for (int i = 3; i <= 6; ++i) {
        if (v.maximo[i] > 100000) {
            r.error = QStringLiteral("el límite superior del renglón %1 (%2) es demasiado grande")
                          .arg(i)
                          .arg(nombre(i));
            return r;
        }
    }
    if (v.valor[3] != Fijo(static_cast<int>(v.valor[3].diezmilesimas() / Fijo::escala))) {
        r.error = QStringLiteral("el número de ranuras debe ser entero");
        return r;
    }
    if (v.minimo[1] < -2 || v.maximo[1] > 2 || v.minimo[2] < -2 || v.maximo[2] > 2) {
        r.error = QStringLiteral("los extremos de la pantalla deben quedar entre -2 y 2");
        return r;
    }
    if (v.valor[1] >= v.valor[2]) {
        r.error = QStringLiteral("el extremo inferior de la pantalla (%1) no es menor que el "
                                 "superior (%2)")
                      .arg(texto_fijo(v.valor[1]), texto_fijo(v.valor[2]));
        return r;
    }
    r.valores = v;
    return r;
}
