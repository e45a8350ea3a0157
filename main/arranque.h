#pragma once

#include <memory>

class Presentacion;
class VentanaPrincipal;

// The program's start: the splash waits, then the main window runs its load
// step and shows itself. The caller owns the window.
std::unique_ptr<VentanaPrincipal> arrancar(Presentacion& presentacion);
