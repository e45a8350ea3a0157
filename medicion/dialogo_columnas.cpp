#include "medicion/dialogo_columnas.h"

#include "toolkit/mensaje.h"
#include "toolkit/texto.h"

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QLineEdit>

std::optional<Perfil> pedir_columnas(QWidget* padre, const Tabla& t, const QString& nombre) {
    QDialog dialogo(padre);
    dialogo.setObjectName(QStringLiteral("dialogo_columnas"));
    dialogo.setWindowTitle(QStringLiteral("Abrir medición: %1").arg(nombre));
    auto* forma = new QFormLayout(&dialogo);
    auto* eje = new QComboBox;
    eje->setObjectName(QStringLiteral("eje"));
    eje->addItems({QStringLiteral("Posición en la pantalla (mm)"), QStringLiteral("Ángulo (°)"),
                   QStringLiteral("Seno del ángulo")});
    auto* x = new QComboBox;
    x->setObjectName(QStringLiteral("columna_x"));
    x->addItems(t.nombres);
    auto* y = new QComboBox;
    y->setObjectName(QStringLiteral("columna_intensidad"));
    y->addItems(t.nombres);
    y->setCurrentIndex(1);
    auto* distancia = new QLineEdit(QStringLiteral("1000"));
    distancia->setObjectName(QStringLiteral("distancia"));
    forma->addRow(QStringLiteral("La columna de posición tiene:"), eje);
    forma->addRow(QStringLiteral("Columna de posición:"), x);
    forma->addRow(QStringLiteral("Columna de intensidad:"), y);
    forma->addRow(QStringLiteral("Distancia de la red a la pantalla (mm):"), distancia);
    QObject::connect(eje, &QComboBox::currentIndexChanged, distancia,
                     [distancia](int i) { distancia->setEnabled(i == 0); });
    if (!aceptado(dialogo, *forma)) {
        return std::nullopt;
    }
    QString error;
    Perfil p = perfil_de_tabla(t, x->currentIndex(), y->currentIndex(), Eje(eje->currentIndex()),
                               leer_numero(convertir(distancia->text())), &error);
    if (!error.isEmpty()) {
        mensaje(error);
        return std::nullopt;
    }
    return p;
}
