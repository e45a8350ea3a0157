// The value boxes and spin buttons: their pure rules and the window stories.
#include <QApplication>

int correr_reglas(int argc, char** argv);
int correr_cajas(int argc, char** argv);
int correr_spin(int argc, char** argv);
int correr_comparacion(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int fallos = 0;
    fallos += correr_reglas(argc, argv);
    fallos += correr_cajas(argc, argv);
    fallos += correr_spin(argc, argv);
    fallos += correr_comparacion(argc, argv);
    return fallos;
}
