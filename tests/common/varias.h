#pragma once

#include <QApplication>
#include <QTest>

template <typename Clase>
int ejecutar_una(int argc, char** argv) {
    Clase prueba;
    return QTest::qExec(&prueba, argc, argv);
}

// A test program of several test classes: runs each, returns the number of failures.
template <typename... Clases>
int ejecutar_pruebas(int argc, char** argv) {
    QApplication app(argc, argv);
    return (ejecutar_una<Clases>(argc, argv) + ...);
}
