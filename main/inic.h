#pragma once

#include "model/fijo.h"

#include <QString>

#include <array>

// The start-up values and limits of the six quantities, indexed 1..6 as valor.
struct ValoresInicio {
    std::array<Fijo, 8> valor{};
    std::array<Fijo, 8> minimo{};
    std::array<Fijo, 8> maximo{};
};

// Built-in values, used when "inic.dat" cannot be used; the same as the shipped file.
ValoresInicio valores_de_fabrica();

// Reads the text of "inic.dat": six records of three numbers (value, lowest,
// highest), separated by commas or line breaks, "." as the decimal mark. On
// success `error` is empty; otherwise it says in Spanish what is wrong.
struct LecturaInicio {
    ValoresInicio valores;
    QString error;
};
LecturaInicio leer_inic(const QString& texto);
