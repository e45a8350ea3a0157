// The "Copiar al Portapapeles" menu: each entry empties the clipboard and puts
// one item on it, so nothing of an earlier copy stays behind in another format.
#include "main/form1.h"
#include "toolkit/picture_box.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

void copiar_imagen(const QImage& imagen) {
    QClipboard* portapapeles = QGuiApplication::clipboard();
    portapapeles->clear();
    portapapeles->setImage(imagen);
}

} // namespace

void Form1::menu_copiar_patron_Click() {
    copiar_imagen(Picture2->imagen());
}

void Form1::menu_copiar_grafica_Click() {
    copiar_imagen(Picture1->imagen());
}

void Form1::menu_copiar_datos_Click() {
    QClipboard* portapapeles = QGuiApplication::clipboard();
    portapapeles->clear();
    portapapeles->setText(datos);
}
