#pragma once

// windows/: the secondary windows and the program's own pictures.
// ilustraciones: the "Ver" menu's pictures and the model window (ventana_modelo);
// presentacion: the splash; ayuda: the help texts; dibujos*: the painters of the
// pictures, shared with the tool that writes them to data files.

#include <QObject>
#include <QPointer>
#include <QString>

class Diseno;
class PictureBox;
class VentanaModelo;

// The "Ver" menu's material: a picture shown over the whole window until it is
// clicked away or Escape is pressed (the white-light spectrum, the laboratory,
// or the grating and its screen, read from the working folder), and the window
// that describes the model. A picture that cannot be shown is reported and
// closes at once.
class Ilustraciones : public QObject {
    Q_OBJECT
public:
    enum class Cual { espectro, laboratorio, red_y_pantalla };

    Ilustraciones(QWidget* cliente, Diseno& diseno);

    // Shows the picture over the window, in place of one already shown.
    void mostrar(Cual cual);
    // Shows the model window, made on its first showing.
    void mostrar_modelo();

signals:
    // The picture went: clicked away, Escape, or it could not be shown.
    void cerrada();

private:
    void cerrar();

    QWidget* cliente_;
    PictureBox* ilustracion_ = nullptr;
    // Where the keyboard was before the picture took it, to give it back.
    QPointer<QWidget> foco_previo_;
    QPointer<VentanaModelo> modelo_;
};
