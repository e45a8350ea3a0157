// Session documentation: the switch, its file and the "Archivo" menu.
#include "main/form1.h"

#include "session/archivos.h"

#include <QDir>
#include <QFile>

void Form1::contar_archivos() {
    const ArchivosSesion a = listar_archivos_sesion(QDir::currentPath());
    File1 = a.nombres;
    g.num_archivos = a.num;
    g.bytes_archivos = a.bytes;
}

void Form1::restaurar_traza() {
    QFile archivo(QStringLiteral("trazo.txt"));
    g.traza = archivo.open(QIODevice::ReadOnly) ? leer_traza(QString::fromUtf8(archivo.readAll()))
                                                : 0;
}

void Form1::inicializar() {}
void Form1::documentar() {}
void Form1::menu_traza_Click() {}
void Form1::menu_abrir_Click() {}
void Form1::menu_salir_Click() {}
