#include "tests/common/varias.h"
#include "tests/main/pruebas.h"

int main(int argc, char** argv) {
    return ejecutar_pruebas<PruebaTexto, PruebaInicio, PruebaGraficar>(argc, argv);
}
