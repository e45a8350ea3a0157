#pragma once

#include "model/fijo.h"

#include <QString>

// Carriage return + line feed, the line break of every text the program builds.
inline const QString fin_linea = QStringLiteral("\r\n");

// Every "," and the locale's own decimal mark (the Arabic "٫") become ".", so
// that a number typed or shown with either reads back through the point-only
// parse below.
QString convertir(const QString& cadena);

// X rounded to two decimals, halves upward: Int((X + 0.005) * 100) / 100.
double formato(double X);

// The number at the start of `texto`, with "." as the only decimal mark whatever
// the locale: blanks (spaces, tabs, line breaks) are skipped wherever they
// stand; then an optional sign, digits, an optional fraction and an optional
// exponent; reading stops at the first character that does not fit. A text that
// does not begin with a number reads as 0; a number too large for a double reads
// as an infinity of its sign, so callers compare it with their limits as usual,
// and one too small for a double as a zero of its sign.
double leer_numero(const QString& texto);

// Numbers with the user's decimal mark, but ASCII digits and "-" whatever the
// locale (never its own digits, minus sign or direction marks, which the parse
// above cannot read back), and no group separators: the general format, up to
// 15 significant digits and no trailing zeros...
QString texto_numero(double x);
// ...and a fixed-point value with up to four decimals, no trailing zeros.
QString texto_fijo(Fijo x);
