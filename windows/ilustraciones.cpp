#include "windows/ilustraciones.h"

#include "toolkit/colores.h"
#include "toolkit/diseno.h"
#include "toolkit/mensaje.h"
#include "toolkit/picture_box.h"
#include "windows/ventana_modelo.h"

Ilustraciones::Ilustraciones(QWidget* cliente, Diseno& diseno)
    : QObject(cliente), cliente_(cliente) {
    ilustracion_ = new PictureBox(cliente);
    ilustracion_->setObjectName(QStringLiteral("ilustracion"));
    ilustracion_->setAccessibleName(QStringLiteral("Ilustración"));
    ilustracion_->set_fondo(fondo_ventana);
    diseno.colocar(ilustracion_, {0, 0, 9855, 6105}, 0);
    ilustracion_->hide();
    connect(ilustracion_, &PictureBox::pulsado, this, &Ilustraciones::cerrar);
}

void Ilustraciones::mostrar(Cual cual) {
    const QString archivo = cual == Cual::espectro      ? QStringLiteral("espectro.bmp")
                            : cual == Cual::laboratorio ? QStringLiteral("lab.bmp")
                                                        : QStringLiteral("pantalla.bmp");
    if (!ilustracion_->cargar_imagen(archivo)) {
        // Nothing to click away: close the overlay now, so the buttons come back.
        cerrar();
        mensaje(QStringLiteral("No se puede mostrar la imagen \"%1\": falta el archivo o no es "
                               "una imagen.")
                    .arg(archivo));
        return;
    }
    ilustracion_->raise();
    ilustracion_->show();
}

void Ilustraciones::cerrar() {
    ilustracion_->hide();
    emit cerrada();
}

void Ilustraciones::mostrar_modelo() {
    if (!modelo_) {
        modelo_ = new VentanaModelo(cliente_->window());
    }
    modelo_->mostrar();
}
