#include "session/dialogo_limpieza.h"

#include "toolkit/diseno.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cmath>

namespace {
// Designed client area in twips.
constexpr double ancho_diseno = 6030;
constexpr double alto_diseno = 3195;
} // namespace

DialogoLimpieza::DialogoLimpieza(QWidget* padre, std::int64_t archivos, std::int64_t bytes)
    : QDialog(padre, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint) {
    setWindowTitle(QStringLiteral("Dialog Caption"));
    // The caption is not Spanish; a screen reader says what the dialog is about.
    setAccessibleName(QStringLiteral("Borrar archivos de sesión"));
    const double factor = factor_de_ventana(padre);
    setFixedSize(static_cast<int>(std::lround(ancho_diseno / 15 * factor)),
                 static_cast<int>(std::lround(alto_diseno / 15 * factor)));
    auto* d = new Diseno(this, ancho_diseno, alto_diseno);

    auto* cuenta = new QPlainTextEdit(mensaje_cuenta(archivos, bytes), this);
    cuenta->setObjectName(QStringLiteral("cuenta"));
    cuenta->setReadOnly(true);
    cuenta->setAccessibleName(QStringLiteral("Archivos de sesión"));
    d->colocar(cuenta, {1200, 360, 3735, 1095});
    QLabel* pregunta =
        rotulo(*d, this,
               QStringLiteral(" ¿ Desea Desactivar la opción de DOCUMENTAR SESIÓN y borrar "
                              "todos los archivos  .log  ?"),
               {1200, 1800, 3735, 495});
    pregunta->setObjectName(QStringLiteral("pregunta"));
    auto* aceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    aceptar->setObjectName(QStringLiteral("boton_aceptar"));
    d->colocar(aceptar, {1320, 2640, 1215, 375});
    auto* cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    cancelar->setObjectName(QStringLiteral("boton_cancelar"));
    d->colocar(cancelar, {3720, 2640, 1215, 375});
    // Enter must not delete the files by accident: neither button is the default.
    aceptar->setAutoDefault(false);
    cancelar->setAutoDefault(false);
    d->aplicar();

    connect(aceptar, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
}

QString DialogoLimpieza::mensaje_cuenta(std::int64_t archivos, std::int64_t bytes) {
    return QStringLiteral("La aplicación tiene activada la opción de DOCUMENTAR SESIÓN, con  ") +
           QStringLiteral(" %1 archivos y  %2 bytes").arg(archivos).arg(bytes);
}
