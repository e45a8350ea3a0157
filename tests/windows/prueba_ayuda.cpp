#include "tests/windows/prueba_ventanas.h"

#include "main/form1.h"
#include "tests/common/entorno.h"
#include "toolkit/picture_box.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>

void PruebaVentanas::ayuda_data() {
    QTest::addColumn<bool>("con_curva");
    QTest::newRow("antes de graficar") << false;
    QTest::newRow("con una curva") << true;
}

void PruebaVentanas::ayuda() {
    QFETCH(bool, con_curva);
    const QString textos[] = {
        QStringLiteral("Configurar Color de pantalla en VERDADERO (24 bit)\r\n"
                       "o de ALTA DENSIDAD (16 bit 0 32 bit) \r\n"
                       "\r\n"
                       "La pantalla debe estar en 640 x 480 pixels\r\n"
                       "\r\n"
                       "Se grafica la Intensidad de onda luminosa\r\n"
                       "de la difracción de N ranuras, según modelo de Fraunhofer\r\n"
                       "\r\n"),
        QStringLiteral("Las longitudes (ancho, distancia y long. de onda) están en micrones\r\n"
                       "La Intensidad Máxima es el Valor relativo a una ranura de 1 micrón"),
        QStringLiteral("Programa para Enseñanza de la Física\r\n"
                       "Grupo Quenor\r\n"
                       "Autores: equipo de desarrollo de Ondaris (Grupo Quenor)\r\n"
                       "e-mail ondaris@example.org\r\n"
                       "\r\n"
                       "Comuniquese para obtener mayor información,\r\n"
                       "nuevas versiones y otros programas")};
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    if (con_curva) {
        graficar(f.get());
    }
    const auto valores = f->g.valor;
    const QImage grafica = f->Picture1->imagen();
    const QImage bandas = f->Picture2->imagen();
    const QString datos = f->datos;
    QCOMPARE(f->menu_ayuda->actions().indexOf(f->separador), 2);
    QVERIFY(f->separador->isSeparator());
    // Any number of times, the same bytes each time, and nothing else changes.
    QAction* const acciones[] = {f->menu_general, f->menu_unidades, f->menu_acerca};
    for (int i = 0; i < 3; ++i) {
        for (int vez = 0; vez < 2; ++vez) {
            elegir(f.get(), f->menu_ayuda, acciones[i]);
            QCOMPARE(mensajes.textos.size(), 2 * i + vez + 1);
            QCOMPARE(mensajes.textos.last().toUtf8(), textos[i].toUtf8());
        }
    }
    QVERIFY(f->g.valor == valores);
    QCOMPARE(f->Picture1->imagen(), grafica);
    QCOMPARE(f->Picture2->imagen(), bandas);
    QCOMPARE(f->datos, datos);
    QCOMPARE(f->g.ncurvas, con_curva ? 1 : 0);
    QVERIFY(f->Command1->isEnabled());
}
