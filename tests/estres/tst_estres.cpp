// A random story through the real widgets: user actions drawn by rapidcheck,
// what must hold checked after each, and a failing story shrunk to the fewest
// and simplest actions that still fail, with the line that replays it.
//   RC_PARAMS                "seed=N max_success=K": K stories from seed N; a
//                            failure prints the RC_PARAMS that replays it
//   ONDARIS_ESTRES_ACCIONES  the longest story (500)
//   ONDARIS_ESTRES_VER       set: each action printed before it is done
#include "tests/estres/acciones.h"
#include "tests/estres/escenario.h"

#include <QTest>

#include <rapidcheck.h>
#include <rapidcheck/state.h>

#include <ostream>

namespace {

// The story is held against what the program must keep after any action
// (Escenario::comprobar), not against a model of it.
struct Modelo {};

class Hacer : public rc::state::Command<Modelo, Escenario> {
public:
    Hacer() : accion_(accion_al_azar()) {}

    void run(const Modelo&, Escenario& e) const override {
        static const bool ver = qEnvironmentVariableIsSet("ONDARIS_ESTRES_VER");
        if (ver) {
            qInfo("%s", qPrintable(describir(accion_)));
        }
        QString fallo = e.hacer(accion_);
        if (fallo.isEmpty()) {
            fallo = e.comprobar();
        }
        if (!fallo.isEmpty()) {
            RC_FAIL(fallo.toStdString());
        }
    }
    void show(std::ostream& os) const override { os << describir(accion_).toStdString(); }

private:
    Accion accion_;
};

} // namespace

class PruebaEstres : public QObject {
    Q_OBJECT
private slots:
    void historia() {
        int n = qEnvironmentVariableIntValue("ONDARIS_ESTRES_ACCIONES");
        n = n > 0 ? n : 500;
        const bool bien = rc::check("a user's story keeps the program whole", [n] {
            Escenario e(*rc::gen::arbitrary<bool>()); // a comma locale, or a point one
            if (const QString fallo = e.comprobar(); !fallo.isEmpty()) {
                RC_FAIL(fallo.toStdString());
            }
            const auto acciones = *rc::gen::resize(
                n, rc::state::gen::commands(Modelo{}, rc::state::gen::execOneOfWithArgs<Hacer>()));
            rc::state::runAll(acciones, Modelo{}, e);
        });
        QVERIFY2(bien, "a story broke the program: the shrunk story and its RC_PARAMS are above");
    }
};

QTEST_MAIN(PruebaEstres)
#include "tst_estres.moc"
