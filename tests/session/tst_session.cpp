#include "tests/session/prueba.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int fallos = correr_formato(argc, argv);
    fallos += correr_documento(argc, argv);
    fallos += correr_ventanas(argc, argv);
    return fallos == 0 ? 0 : 1;
}
