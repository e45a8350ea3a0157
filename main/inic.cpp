#include "main/inic.h"

#include "model/muestreo.h"
#include "toolkit/datos.h"
#include "toolkit/lectura.h"
#include "toolkit/mensaje.h"
#include "toolkit/texto.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

Parametros parametros_de_fabrica() {
    Parametros p;
    const double tabla[7][3] = {{0, 0, 0},     {-0.6, -2, 2}, {0.6, -2, 2},      {5, 1, 500},
                                {2, 0.1, 100}, {10, 1, 100},  {0.55, 0.38, 0.78}};
    for (Magnitud m : magnitudes) {
        const int i = indice(m);
        p.fijar(m, Fijo::desde(tabla[i][0]));
        p.fijar_limites(m, Fijo::desde(tabla[i][1]), Fijo::desde(tabla[i][2]));
    }
    return p;
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

// A field holds a number when all of it is one, blanks aside: only the blanks
// `leer_numero` skips (before a vertical tab or form feed it reads 0).
bool es_numero(const QString& campo) {
    static const QRegularExpression patron(
        QStringLiteral(R"(^[ \t]*[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eEdD][+-]?[0-9]+)?[ \t]*$)"));
    return patron.match(campo).hasMatch();
}

// Only the blanks a number may stand between; a no-break space is none, and
// is named when it keeps a number from reading.
QString sin_blancos(const QString& campo) {
    const auto blanco = [](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
               c == QLatin1Char('\r');
    };
    qsizetype i = 0;
    qsizetype j = campo.size();
    while (i < j && blanco(campo[i])) {
        ++i;
    }
    while (j > i && blanco(campo[j - 1])) {
        --j;
    }
    return campo.mid(i, j - i);
}

// A field as a message quotes it: trimmed, cut when long, and what would not
// show made visible.
QString cita(const QString& campo) {
    constexpr qsizetype largo = 40; // as shown: an invisible character takes several
    QString r;
    for (char32_t c : sin_blancos(campo).toUcs4()) {
        const QString visto = a_la_vista(QString::fromUcs4(&c, 1));
        if (r.size() + visto.size() > largo) {
            return r + QStringLiteral("…");
        }
        r += visto;
    }
    return r;
}

// ": tiene el carácter U+00A0 (espacio irrompible)" when the field has one.
QString por_invisible(const QString& campo) {
    const QString c = caracter_invisible(sin_blancos(campo));
    return c.isEmpty() ? QString() : QStringLiteral(": tiene ") + c;
}

} // namespace

LecturaInicio leer_inic(const QString& texto) {
    LecturaInicio r;
    r.parametros = parametros_de_fabrica();
    // CR, LF and CR LF end lines alike.
    static const QRegularExpression separador(QStringLiteral(R"([,\n\r]+)"));
    QStringList campos = texto.split(separador, Qt::SkipEmptyParts);
    campos.removeIf([](const QString& c) { return sin_blancos(c).isEmpty(); });
    const bool todos_numeros =
        std::all_of(campos.cbegin(), campos.cend(), [](const QString& c) { return es_numero(c); });
    if (campos.size() < 18 || (campos.size() > 18 && todos_numeros)) {
        r.error = QStringLiteral("tiene %1 números y se necesitan 18 (seis renglones de tres)")
                      .arg(campos.size());
        return r;
    }
    std::array<Fijo, 7> valor{}, minimo{}, maximo{};
    for (int i = 1; i <= 6; ++i) {
        std::array<Fijo, 3> terna;
        for (int k = 0; k < 3; ++k) {
            const QString& campo = campos[(i - 1) * 3 + k];
            const double x = leer_numero(campo);
            if (!es_numero(campo) || !Fijo::representable(x)) {
                r.error = QStringLiteral("el dato «%1» del renglón %2 no es un número válido")
                              .arg(cita(campo))
                              .arg(i) +
                          por_invisible(campo);
                return r;
            }
            terna[k] = Fijo::desde(x);
        }
        valor[i] = terna[0];
        minimo[i] = terna[1];
        maximo[i] = terna[2];
        if (minimo[i] > maximo[i]) {
            r.error = QStringLiteral("en el renglón %1 (%2) el límite inferior %3 es mayor que el "
                                     "superior %4")
                          .arg(i)
                          .arg(nombre(i), texto_fijo(minimo[i]), texto_fijo(maximo[i]));
            return r;
        }
        if (valor[i] < minimo[i] || valor[i] > maximo[i]) {
            r.error = QStringLiteral("en el renglón %1 (%2) el valor %3 está fuera de sus límites "
                                     "(%4 a %5)")
                          .arg(i)
                          .arg(nombre(i), texto_fijo(valor[i]), texto_fijo(minimo[i]),
                               texto_fijo(maximo[i]));
            return r;
        }
    }
    if (campos.size() > 18) {
        r.error = QStringLiteral("después de los 18 números sobra «%1»").arg(cita(campos[18])) +
                  por_invisible(campos[18]);
        return r;
    }
    // Quantities the model divides by or counts with, and the strip's reach.
    const Fijo pequeno = Fijo::crudo(1);
    if (minimo[3] < 1 || minimo[4] < pequeno || minimo[5] < pequeno || minimo[6] < pequeno) {
        r.error = QStringLiteral("N, el ancho, la distancia y la longitud de onda deben tener "
                                 "límites inferiores positivos (N al menos 1)");
        return r;
    }
    for (int i = 3; i <= 6; ++i) {
        if (maximo[i] > limite_mayor) {
            r.error = QStringLiteral("el límite superior del renglón %1 (%2) es demasiado grande")
                          .arg(i)
                          .arg(nombre(i));
            return r;
        }
    }
    if (valor[3] != Fijo(static_cast<int>(valor[3].diezmilesimas() / Fijo::escala))) {
        r.error = QStringLiteral("el número de ranuras debe ser entero");
        return r;
    }
    if (minimo[1] < -2 || maximo[1] > 2 || minimo[2] < -2 || maximo[2] > 2) {
        r.error = QStringLiteral("los extremos de la pantalla deben quedar entre -2 y 2");
        return r;
    }
    if (valor[1] >= valor[2]) {
        r.error = QStringLiteral("el extremo inferior de la pantalla (%1) no es menor que el "
                                 "superior (%2)")
                      .arg(texto_fijo(valor[1]), texto_fijo(valor[2]));
        return r;
    }
    // The widest sector at the finest fringes: a curve must not outgrow what a plot may hold.
    const long long muestras = muestras_del_peor_caso(
        maximo[3].a_double(), maximo[4].a_double(), maximo[5].a_double(),
        seno_de_tangente(minimo[1]), seno_de_tangente(maximo[2]), minimo[6].a_double());
    if (muestras > muestras_maximas) {
        r.error = QStringLiteral("con esos límites una curva necesitaría %1 muestras y el programa "
                                 "dibuja hasta %2 (menos ranuras, menos distancia o un sector "
                                 "más angosto)")
                      .arg(muestras)
                      .arg(muestras_maximas);
        return r;
    }
    for (Magnitud m : magnitudes) {
        r.parametros.fijar(m, valor[indice(m)]);
        r.parametros.fijar_limites(m, minimo[indice(m)], maximo[indice(m)]);
    }
    return r;
}

Parametros parametros_de_inicio() {
    // Bytes, not text mode, which drops every CR and so glues the lines of a
    // file that ends them with CR alone.
    const Lectura archivo = leer_archivo(ruta_de_datos(QStringLiteral("inic.dat")), tope_arranque);
    QString problema;
    QString no_texto;
    if (!archivo.error.isEmpty()) {
        problema = QStringLiteral("No se puede leer el archivo \"inic.dat\" de la carpeta del "
                                  "programa (%1).")
                       .arg(archivo.error);
    } else if (const QString texto = texto_de(archivo.bytes, &no_texto); texto.isNull()) {
        problema = QStringLiteral("El archivo \"inic.dat\" no es válido: no es un archivo de texto "
                                  "(%1).")
                       .arg(no_texto);
    } else {
        const LecturaInicio lectura = leer_inic(texto);
        if (lectura.error.isEmpty()) {
            return lectura.parametros;
        }
        problema = QStringLiteral("El archivo \"inic.dat\" no es válido: %1.").arg(lectura.error);
    }
    mensaje(problema + fin_linea + QStringLiteral("Se usan los valores de fábrica."));
    return parametros_de_fabrica();
}
