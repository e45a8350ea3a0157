#pragma once

#include "medicion/tabla.h"

#include <optional>

class QWidget;

// Asks which columns of the table hold what, and the grating-to-screen
// distance when the first is a position: the profile they give, or nothing
// when the user cancels or they cannot give one (a message says why).
std::optional<Perfil> pedir_columnas(QWidget* padre, const Tabla& t, const QString& nombre);
