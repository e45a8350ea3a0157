#include "windows/ayuda.h"

#include "toolkit/texto.h"

#include <QDir>
#include <QStringList>

namespace {

QString lineas_con_fin(const QStringList& lineas) {
    QString texto;
    for (const QString& l : lineas) {
        texto += l + fin_linea;
    }
    return texto;
}

} // namespace

QString texto_general() {
    return lineas_con_fin({
        QStringLiteral("Configurar Color de pantalla en VERDADERO (24 bit)"),
        QStringLiteral("o de ALTA DENSIDAD (16 bit 0 32 bit) "),
        QString(),
        QStringLiteral("La pantalla debe estar en 640 x 480 pixels"),
        QString(),
        QStringLiteral("Se grafica la Intensidad de onda luminosa"),
        QStringLiteral("de la difracción de N ranuras, según modelo de Fraunhofer"),
        QString(),
        QStringLiteral("Los documentos de sesión (archivos .log) se guardan en la carpeta"),
        QDir::toNativeSeparators(QDir::currentPath()),
        QStringLiteral("donde están también los valores de inicio, \"inic.dat\"."),
        QString(),
    });
}

QString texto_unidades() {
    return QStringLiteral("Las longitudes (ancho, distancia y long. de onda) están en micrones") +
           fin_linea +
           QStringLiteral("La Intensidad Máxima es el Valor relativo a una ranura de 1 micrón");
}

QString texto_acerca() {
    // The project has no public mailbox yet; the address sits in a domain kept
    // for examples, so it can never reach a stranger.
    return lineas_con_fin({
               QStringLiteral("Programa para Enseñanza de la Física"),
               QStringLiteral("Grupo Quenor"),
               QStringLiteral("Autores: equipo de desarrollo de Ondaris (Grupo Quenor)"),
               QStringLiteral("e-mail ondaris@example.org"),
               QString(),
               QStringLiteral("Comuniquese para obtener mayor información,"),
           }) +
           QStringLiteral("nuevas versiones y otros programas");
}
