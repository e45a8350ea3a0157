#include "windows/ilustraciones.h"

#include "toolkit/colores.h"
#include "toolkit/datos.h"
#include "toolkit/diseno.h"
#include "toolkit/imagen_archivo.h"
#include "toolkit/mensaje.h"
#include "toolkit/picture_box.h"
#include "windows/dibujos.h"
#include "windows/ventana_modelo.h"

#include <QApplication>
#include <QPainter>
#include <QShortcut>

namespace {

// The overlay. A file that holds the program's own picture is drawn afresh at
// the pixels the box shows it at, so it is as crisp as the drawings at any
// size and screen scale; any other picture is shown as the file has it.
class Lamina : public PictureBox {
public:
    using PictureBox::PictureBox;

    void set_pintor(Pintor pintor) {
        pintor_ = pintor;
        repintar_imagen();
    }

protected:
    void pintar_imagen(QPainter& p, const QRect& destino) override {
        if (pintor_ == nullptr) {
            PictureBox::pintar_imagen(p, destino);
            return;
        }
        // Placed as a loaded picture is: as large as fits, centred.
        const QSize tam = tamano_ilustracion.scaled(destino.size(), Qt::KeepAspectRatio);
        p.save();
        p.translate(destino.topLeft() + QPoint((destino.width() - tam.width()) / 2,
                                               (destino.height() - tam.height()) / 2));
        p.setClipRect(QRect(QPoint(0, 0), tam));
        p.fillRect(QRect(QPoint(0, 0), tam), Qt::white);
        pintor_(p, tam);
        p.restore();
    }

private:
    Pintor pintor_ = nullptr;
};

struct Dibujo {
    QString archivo;
    QString nombre;
    Pintor pintor;
};

Dibujo dibujo_de(Ilustraciones::Cual cual) {
    switch (cual) {
    case Ilustraciones::Cual::espectro:
        return {QStringLiteral("espectro.bmp"), QStringLiteral("Espectro de luz blanca"),
                dibujar_espectro};
    case Ilustraciones::Cual::laboratorio:
        return {QStringLiteral("lab.bmp"), QStringLiteral("Laboratorio"), dibujar_laboratorio};
    case Ilustraciones::Cual::red_y_pantalla:
        break;
    }
    return {QStringLiteral("pantalla.bmp"), QStringLiteral("Red y pantalla"), dibujar_red_pantalla};
}

} // namespace

Ilustraciones::Ilustraciones(QWidget* cliente, Diseno& diseno)
    : QObject(cliente), cliente_(cliente) {
    auto* lamina = new Lamina(cliente);
    ilustracion_ = lamina;
    ilustracion_->setObjectName(QStringLiteral("ilustracion"));
    ilustracion_->setAccessibleName(QStringLiteral("Ilustración"));
    ilustracion_->setFocusPolicy(Qt::ClickFocus);
    ilustracion_->set_fondo(fondo_ventana);
    diseno.colocar(ilustracion_, {0, 0, 9855, 6105}, 0);
    ilustracion_->hide();
    connect(ilustracion_, &PictureBox::pulsado, this, &Ilustraciones::cerrar);
    // Whatever control has the focus: the shortcut lives while the picture is shown.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), ilustracion_);
    connect(escape, &QShortcut::activated, this, &Ilustraciones::cerrar);
}

void Ilustraciones::mostrar(Cual cual) {
    const Dibujo dibujo = dibujo_de(cual);
    QString por_que;
    const QImage imagen = leer_imagen(ruta_de_datos(dibujo.archivo), &por_que);
    if (imagen.isNull()) {
        // Nothing to click away: close the overlay now, so the buttons come back.
        cerrar();
        mensaje(QStringLiteral("No se puede mostrar la imagen \"%1\": %2.")
                    .arg(dibujo.archivo, por_que.isEmpty()
                                             ? QStringLiteral("falta el archivo o no es una imagen")
                                             : por_que));
        return;
    }
    auto* lamina = static_cast<Lamina*>(ilustracion_);
    lamina->set_pintor(es_dibujo_de(imagen, dibujo.pintor) ? dibujo.pintor : nullptr);
    lamina->set_imagen(imagen);
    lamina->setAccessibleDescription(dibujo.nombre);
    if (!lamina->isVisible()) {
        foco_previo_ = QApplication::focusWidget();
    }
    lamina->raise();
    lamina->show();
    // The keyboard goes with what is in view, not to the controls under it.
    lamina->setFocus(Qt::OtherFocusReason);
}

void Ilustraciones::cerrar() {
    const bool con_foco = ilustracion_->hasFocus();
    ilustracion_->hide();
    if (con_foco && foco_previo_) {
        foco_previo_->setFocus(Qt::OtherFocusReason);
    }
    emit cerrada();
}

void Ilustraciones::mostrar_modelo() {
    if (!modelo_) {
        modelo_ = new VentanaModelo(cliente_->window());
    }
    modelo_->mostrar();
}
