#pragma once

#include <QDialog>

#include <cstdint>

// The clean-up dialog of start-up: how many documentation files there are and
// how large, and the offer to switch documentation off and delete them all.
// "Aceptar" accepts it; "Cancelar", the close box and Escape reject it. Sized
// with the main window's layout.
class DialogoLimpieza : public QDialog {
    Q_OBJECT
public:
    DialogoLimpieza(QWidget* padre, std::int64_t archivos, std::int64_t bytes);

    // The count message, with the two spaces after "con" and the leading space
    // of each number.
    static QString mensaje_cuenta(std::int64_t archivos, std::int64_t bytes);
};
