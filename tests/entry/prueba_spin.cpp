#include <QTest>
int correr_spin(int, char**) {
    return 0;
}
