// Switches documentation on (through "trazo.txt"), documents one plot in the
// folder given as argument and dies at once, without closing anything.
#include "main/form1.h"
#include "tests/common/entorno.h"

#include <QApplication>
#include <QDir>

#include <csignal>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
        return 2;
    }
    LocalePrueba l(locale_punto());
    Mensajes mensajes;
    auto f = abrir_form1();
    if (f->g.traza != 1) {
        return 3;
    }
    f->g.ang_min = -29;
    f->g.ang_max = 30;
    f->documentar();
    std::raise(SIGKILL);
    return 0;
}
