// Lesson files: what is written reads back the same (the fuzzing harness
// holds every lesson it reads to that), and every kind of bad file is refused
// with its reason.
#include "leccion/leccion.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

Parametros de_inicio() {
    Parametros p;
    const double t[7][3] = {{0, 0, 0},     {-0.6, -2, 2}, {0.6, -2, 2},      {5, 1, 500},
                            {2, 0.1, 100}, {10, 1, 100},  {0.55, 0.38, 0.78}};
    for (Magnitud m : magnitudes) {
        p.fijar(m, Fijo::desde(t[indice(m)][0]));
        p.fijar_limites(m, Fijo::desde(t[indice(m)][1]), Fijo::desde(t[indice(m)][2]));
    }
    return p;
}

// n curves of growing wavelength and N, every other one painted alone.
Leccion con_curvas(int n) {
    Leccion l{de_inicio(), true, {}, {}};
    for (int k = 0; k < n; ++k) {
        Parametros p = de_inicio();
        p.fijar(Magnitud::onda, Fijo::desde(0.4 + 0.05 * k));
        p.fijar(Magnitud::ranuras, Fijo(k + 1));
        l.curvas.push_back({curva_de(p), k % 2 == 1});
    }
    return l;
}

} // namespace

class TstLeccion : public QObject {
    Q_OBJECT
private slots:
    void archivos_malos();
};

void TstLeccion::archivos_malos() {
    const auto escrita = [](const std::function<void(Leccion&)>& cambio) {
        Leccion l = con_curvas(3);
        cambio(l);
        return escribir_leccion(l);
    };
    const QByteArray buena = escrita([](Leccion&) {});
    // Read back as written, with what a later version adds skipped.
    QVERIFY(leer_leccion(QByteArray(buena).replace("{", "{\"novedad\": [1, {}],")).leccion ==
            con_curvas(3));
    // A measured profile kept with the curves comes back whole.
    Leccion medida = con_curvas(2);
    medida.medicion = DatosMedicion{
        QStringLiteral("sensor.csv"), {{-0.1, 0, 0.1}, {0.2, 1, 0.25}}, Libre::distancia, false};
    QVERIFY(leer_leccion(escribir_leccion(medida)).leccion == medida);
    const struct {
        const char* caso;
        QByteArray bytes;
        const char* razon;
    } tabla[] = {
        {"texto", "hola", "no es una lección de Ondaris"},
        {"otro JSON", R"({"formato": "otro", "version": 1})", "no es una lección de Ondaris"},
        {"UTF-16", QByteArray("\xFF\xFE{\0\"\0", 6),
         "no es una lección de Ondaris: está en UTF-16"},
        {"más nueva", QByteArray(buena).replace("\"version\": 1", "\"version\": 2"),
         "es de una versión más nueva del programa (formato 2; esta versión abre hasta el 1)"},
        {"cortada", buena.left(buena.size() / 2), "está cortada"},
        {"N fuera", escrita([](Leccion& l) { l.parametros.fijar(Magnitud::ranuras, Fijo(501)); }),
         "el número de ranuras vale 501, fuera de sus límites (1 a 500)"},
        {"límites imposibles",
         escrita([](Leccion& l) { l.parametros.fijar_limites(Magnitud::onda, Fijo(0), Fijo(1)); }),
         "los límites de la longitud de onda (0 a 1) no son posibles"},
        {"curva fuera", escrita([](Leccion& l) { l.curvas[1].curva.onda = Fijo::desde(0.8); }),
         "en la curva 2 la longitud de onda vale 0.8, fuera de sus límites (0.38 a 0.78)"},
        {"siete curvas", escribir_leccion(con_curvas(7)),
         "tiene 7 curvas y la gráfica muestra hasta seis"},
        {"zoom fuera", escrita([](Leccion& l) {
             l.zoom = Seleccion{-0.9f, 0, 0.1f, 1};
         }),
         "el rango ampliado («zoom») no cae dentro de la gráfica"},
        {"medición rota", QByteArray(buena).replace("\"bandas\"", "\"medicion\": 3, \"bandas\""),
         "su medición no vale"},
    };
    for (const auto& fila : tabla) {
        const LecturaLeccion r = leer_leccion(fila.bytes);
        QVERIFY2(r.error.startsWith(QString::fromUtf8(fila.razon)),
                 qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(fila.caso), r.error)));
        QVERIFY(r.leccion.curvas.empty());
    }

    // A file too large is not read at all; the message names it.
    QTemporaryDir dir;
    QFile enorme(dir.filePath(QStringLiteral("clase 1.ondaris")));
    QVERIFY(enorme.open(QIODevice::WriteOnly) && enorme.resize(200LL * 1000 * 1000));
    enorme.close();
    QCOMPARE(abrir_leccion(enorme.fileName()).error,
             QStringLiteral("No se puede abrir la lección \"clase 1.ondaris\": es demasiado grande "
                            "(200 MB)."));
}

QTEST_GUILESS_MAIN(TstLeccion)
#include "tst_leccion.moc"
