#include "toolkit/portapapeles.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

void copiar_imagen(const QImage& imagen) {
    QClipboard* portapapeles = QGuiApplication::clipboard();
    portapapeles->clear();
    portapapeles->setImage(imagen);
}

void copiar_texto(const QString& texto) {
    QClipboard* portapapeles = QGuiApplication::clipboard();
    portapapeles->clear();
    portapapeles->setText(texto);
}
