#include <QTest>
class PruebaPrincipal : public QObject {
    Q_OBJECT
};
QTEST_MAIN(PruebaPrincipal)
#include "tst_main.moc"
