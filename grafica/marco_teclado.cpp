#include "grafica/marco_teclado.h"

#include "toolkit/picture_box.h"
#include "toolkit/texto.h"

#include <cmath>

namespace {

const QString ayuda =
    QStringLiteral("Flechas: mover el marco de selección; Mayúsculas y flechas: cambiar su "
                   "tamaño; Intro: ampliarlo; Escape: quitarlo");

// A sine as the description says it: four decimals.
QString texto_seno(float x) {
    return texto_numero(std::round(static_cast<double>(x) * 10000) / 10000);
}

} // namespace

MarcoTeclado::MarcoTeclado(PictureBox* grafica, const QColor& color)
    : grafica_(grafica), color_(color) {
    grafica_->setAccessibleDescription(ayuda);
}

MarcoTeclado::Respuesta MarcoTeclado::tecla(int tecla, Qt::KeyboardModifiers mod,
                                            const Seleccion& extension) {
    int dx = 0, dy = 0;
    switch (tecla) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!visible_) {
            return Respuesta::ajena;
        }
        ocultar();
        return Respuesta::elegida;
    case Qt::Key_Escape:
        if (!visible_) {
            return Respuesta::ajena; // the window's own Escape
        }
        ocultar();
        return Respuesta::tomada;
    default:
        return Respuesta::ajena;
    }
    // The first arrow after Escape brings the frame back where it was.
    if (visible_) {
        seleccion_ = mover_marco(*seleccion_, dx, dy, mod.testFlag(Qt::ShiftModifier), extension);
    }
    mostrar(extension);
    return Respuesta::tomada;
}

void MarcoTeclado::mostrar(const Seleccion& extension) {
    if (!seleccion_) {
        seleccion_ = marco_inicial(extension);
    }
    const Seleccion& s = *seleccion_;
    grafica_->descartar_transitorias();
    const PictureBox::Modo modo = grafica_->modo();
    grafica_->set_modo(PictureBox::Modo::invertir);
    grafica_->set_persistente(false);
    grafica_->caja({s.x_ini, s.y_ini}, {s.x_fin, s.y_fin}, color_);
    grafica_->set_persistente(true);
    grafica_->set_modo(modo);
    visible_ = true;
    grafica_->setAccessibleDescription(QStringLiteral("Marco de selección: seno de %1 a %2. ")
                                           .arg(texto_seno(s.x_ini), texto_seno(s.x_fin)) +
                                       ayuda);
}

void MarcoTeclado::ocultar() {
    if (visible_) {
        grafica_->descartar_transitorias();
        visible_ = false;
        grafica_->setAccessibleDescription(ayuda);
    }
}

void MarcoTeclado::olvidar() {
    ocultar();
    seleccion_.reset();
}
