// The "Ver" menu: the overlay pictures and the model window.
#include "main/form1.h"
#include "toolkit/mensaje.h"
#include "toolkit/picture_box.h"
#include "windows/modelo2.h"

#include <QPushButton>
#include <QRadioButton>

void Form1::menu_paleta_Click() {
    abrir_ilustracion(0);
}
void Form1::menu_imagen1_Click() {
    abrir_ilustracion(1);
}
void Form1::menu_imagen2_Click() {
    abrir_ilustracion(2);
}

void Form1::abrir_ilustracion(int cual) {
    banda_unica_previa = Option1[0]->isChecked();
    Command1->setEnabled(false);
    Command2->setEnabled(false);
    Command3->setEnabled(false);
    ilustracion_fallida_.clear();
    if (cual == 0) {
        paleta();
    } else {
        foto_numero(cual);
    }
    if (!ilustracion_fallida_.isEmpty()) {
        // Nothing to click away: close the overlay now, so the buttons come back.
        Picture5_Click();
        mensaje(QStringLiteral("No se puede mostrar la imagen \"%1\": falta el archivo o no es "
                               "una imagen.")
                    .arg(ilustracion_fallida_));
        return;
    }
    Picture5->raise();
    Picture5->show();
}

void Form1::paleta() {
    cargar_ilustracion(QStringLiteral("espectro.bmp"));
}

void Form1::foto_numero(int i) {
    if (i == 1) {
        cargar_ilustracion(QStringLiteral("lab.bmp"));
    } else if (i == 2) {
        cargar_ilustracion(QStringLiteral("pantalla.bmp"));
    }
}

bool Form1::cargar_ilustracion(const QString& archivo) {
    if (Picture5->cargar_imagen(archivo)) {
        return true;
    }
    ilustracion_fallida_ = archivo;
    return false;
}

void Form1::Picture5_Click() {
    Picture5->hide();
    Command1->setEnabled(true);
    Command2->setEnabled(true);
    Command3->setEnabled(true);
}

void Form1::menu_modelo_Click() {
    if (!modelo2_) {
        modelo2_ = new Modelo2(this);
    }
    modelo2_->mostrar();
}

Modelo2* Form1::modelo2() const {
    return modelo2_;
}
