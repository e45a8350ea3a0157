#include <QTest>
int correr_comparacion(int, char**) {
    return 0;
}
