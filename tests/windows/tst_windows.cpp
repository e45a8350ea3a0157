#include "tests/windows/prueba_ventanas.h"

#include "main/form1.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

void elegir(Form1* f, QMenu* menu, QAction* accion) {
    QMenuBar* barra = f->menuBar();
    const QRect titulo = barra->actionGeometry(menu->menuAction());
    QVERIFY(titulo.isValid());
    QTest::mouseClick(barra, Qt::LeftButton, {}, titulo.center());
    QTRY_VERIFY(menu->isVisible());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(accion).center());
    QTRY_VERIFY(!menu->isVisible());
}

void graficar(Form1* f) {
    QTest::mouseClick(f->Command1, Qt::LeftButton);
}

QTEST_MAIN(PruebaVentanas)
