// A seeded random story through the real widgets: 500 user actions
// (10 000 in tests/estres/largo), what must hold checked after each, and a
// failing story cut down to a short sequence that still fails.
//   ONDARIS_ESTRES_SEMILLA   the seed (a new one each run when unset)
//   ONDARIS_ESTRES_ACCIONES  how many actions (500)
//   ONDARIS_ESTRES_SOLO      "12 40 41": only those actions of the story, as a failure lists them
//   ONDARIS_ESTRES_VER       set: each action printed before it is done
#include "tests/estres/acciones.h"
#include "tests/estres/escenario.h"
#include "tests/estres/reduccion.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QTest>

#include <numeric>

namespace {

struct Fallo {
    int paso = -1; // in the list replayed
    QString que;
    // What broke, without the details that a shorter story changes.
    QString clase() const { return que.section(QLatin1Char(':'), 0, 0); }
};

struct Cifras {
    int acciones = 0, curvas = 0, zooms = 0, reales = 0;
    QStringList mensajes;
};

// The messages answered, counted by their first line.
QString por_clase(const QStringList& mensajes) {
    QMap<QString, int> cuenta;
    for (const QString& m : mensajes) {
        ++cuenta[m.trimmed().section(QLatin1Char('\n'), 0, 0).trimmed().left(60)];
    }
    QStringList t;
    for (auto i = cuenta.cbegin(); i != cuenta.cend(); ++i) {
        t << QStringLiteral("%1 \"%2\"").arg(i.value()).arg(i.key());
    }
    return t.join(QStringLiteral(", "));
}

// The actions `lista` of `acciones`, in order, in a fresh working folder.
Fallo correr(const std::vector<Accion>& acciones, const std::vector<int>& lista, bool coma,
             Cifras* cifras = nullptr) {
    static const bool ver = qEnvironmentVariableIsSet("ONDARIS_ESTRES_VER");
    Escenario e(coma);
    Fallo f;
    f.que = e.comprobar();
    for (std::size_t i = 0; i < lista.size() && f.que.isEmpty(); ++i) {
        if (ver) {
            qInfo("#%d %s", lista[i], qPrintable(describir(acciones[lista[i]])));
        }
        f.paso = static_cast<int>(i);
        f.que = e.hacer(acciones[lista[i]]);
        if (f.que.isEmpty()) {
            f.que = e.comprobar();
        }
        if (ver) {
            QStringList valores;
            for (Magnitud m : magnitudes) {
                valores << QString::number(e.parametros().valor(m).a_double());
            }
            const QWidget* foco = QApplication::focusWidget();
            qInfo("   %s; focus %s; %d messages", qPrintable(valores.join(' ')),
                  foco ? qPrintable(foco->objectName()) : "-",
                  static_cast<int>(e.mensajes().size()));
        }
        if (cifras != nullptr) {
            *cifras = {static_cast<int>(i) + 1, e.curvas_graficadas, e.zooms, e.mensajes_reales,
                       e.mensajes()};
        }
    }
    return f;
}

} // namespace

class PruebaEstres : public QObject {
    Q_OBJECT
private slots:
    // The cut-down finds the actions a failure needs, and only them.
    void reduccion() {
        std::vector<int> cien(100);
        std::iota(cien.begin(), cien.end(), 0);
        int pruebas = 0;
        const auto con = [&](std::vector<int> necesarias) {
            return [&pruebas, necesarias = std::move(necesarias)](const std::vector<int>& l) {
                ++pruebas;
                return std::all_of(necesarias.begin(), necesarias.end(), [&](int x) {
                    return std::find(l.begin(), l.end(), x) != l.end();
                });
            };
        };
        QCOMPARE(reducir(cien, con({42}), 1000), std::vector<int>{42});
        QCOMPARE(reducir(cien, con({3, 7, 98}), 1000), (std::vector<int>{3, 7, 98}));
        QVERIFY(pruebas < 300);
        // Out of replays: the shortest failing list found so far.
        pruebas = 0;
        const std::vector<int> corta = reducir(cien, con({3, 7, 98}), 10);
        QCOMPARE(pruebas, 10);
        QVERIFY(corta.size() < 100 && con({3, 7, 98})(corta));
    }

    void historia() {
        bool dada = false;
        const quint64 semilla = qEnvironmentVariable("ONDARIS_ESTRES_SEMILLA").toULongLong(&dada);
        const quint64 usada = dada ? semilla : std::random_device()();
        const int n = qEnvironmentVariableIntValue("ONDARIS_ESTRES_ACCIONES") > 0
                          ? qEnvironmentVariableIntValue("ONDARIS_ESTRES_ACCIONES")
                          : 500;
        std::mt19937_64 azar(usada);
        const bool coma = azar() % 2 == 0;
        std::vector<Accion> acciones;
        for (int i = 0; i < n; ++i) {
            acciones.push_back(accion_al_azar(azar));
        }
        const QString repetir =
            QStringLiteral("ONDARIS_ESTRES_SEMILLA=%1 ONDARIS_ESTRES_ACCIONES=%2")
                .arg(usada)
                .arg(n);
        qInfo("%s (%s locale)", qPrintable(repetir), coma ? "comma" : "point");

        std::vector<int> todas(acciones.size());
        std::iota(todas.begin(), todas.end(), 0);
        if (qEnvironmentVariableIsSet("ONDARIS_ESTRES_SOLO")) { // a reproduction replayed
            todas.clear();
            for (const QString& i : qEnvironmentVariable("ONDARIS_ESTRES_SOLO").split(' ')) {
                if (const int k = i.toInt(); k >= 0 && k < n) {
                    todas.push_back(k);
                }
            }
        }
        QElapsedTimer reloj;
        reloj.start();
        Cifras c;
        const Fallo f = correr(acciones, todas, coma, &c);
        const double s = reloj.elapsed() / 1000.0;
        qInfo("%d actions in %.1f s (%.0f a second): %d curves plotted, %d zoom windows, %d "
              "real message boxes, %d messages answered: %s",
              c.acciones, s, c.acciones / s, c.curvas, c.zooms, c.reales,
              static_cast<int>(c.mensajes.size()), qPrintable(por_clase(c.mensajes)));
        if (f.que.isEmpty()) {
            return;
        }

        // Cut down to what the failure needs, within a few minutes.
        const std::vector<int> prefijo(todas.begin(), todas.begin() + std::max(f.paso + 1, 0));
        reloj.restart();
        int replays = 0;
        const std::vector<int> corta = reducir(
            prefijo,
            [&](const std::vector<int>& l) {
                ++replays;
                return reloj.elapsed() < 300'000 && correr(acciones, l, coma).clase() == f.clase();
            },
            400);
        const Fallo g = correr(acciones, corta, coma);
        QString informe = QStringLiteral("%1 (%2 locale): action #%3 of %4 broke \"%5\"\n")
                              .arg(repetir, coma ? "comma" : "point")
                              .arg(f.paso >= 0 ? todas[f.paso] : -1)
                              .arg(n)
                              .arg(f.que);
        informe += QStringLiteral("cut down in %1 replays to %2 actions, which break \"%3\":\n")
                       .arg(replays)
                       .arg(corta.size())
                       .arg(g.que.isEmpty() ? QStringLiteral("nothing, replayed alone") : g.que);
        QStringList solo;
        for (int i : corta) {
            informe += QStringLiteral("  #%1 %2\n").arg(i).arg(describir(acciones[i]));
            solo << QString::number(i);
        }
        informe += QStringLiteral("replayed by %1 ONDARIS_ESTRES_SOLO=\"%2\"\n")
                       .arg(repetir, solo.join(QLatin1Char(' ')));
        QFAIL(qPrintable(informe));
    }
};

QTEST_MAIN(PruebaEstres)
#include "tst_estres.moc"
