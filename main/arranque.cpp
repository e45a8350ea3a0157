#include "main/arranque.h"

#include "main/ventana_principal.h"
#include "windows/presentacion.h"

std::unique_ptr<VentanaPrincipal> arrancar(Presentacion& presentacion) {
    presentacion.esperar();
    auto principal = std::make_unique<VentanaPrincipal>();
    principal->cargar();
    principal->show();
    return principal;
}
