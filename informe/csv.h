#pragma once

#include "model/curva.h"

#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

// The curves of the graph as comma-separated values (RFC 4180: a header row,
// fields quoted where they hold the separator, a quote or a line break, lines
// ended by CR LF), numbers in `locale`'s form without group separators. The
// separator is ";" where the locale writes a decimal comma, "," elsewhere.
QChar separador_csv(const QLocale& locale);
QString campo_csv(const QString& campo, QChar separador);

// Long form: one row per sample the graph keeps for each curve (reduced to the
// graph's least number of bins), with the curve's number, L, a, d and N, the
// sine, the angle in degrees, the intensity and I / N². Every number is written
// with the fewest digits that read back as itself, so the intensity is the
// model's at the sine as written. With a screen distance D (cm), a last column
// holds the position on the screen y = 10 D tan θ (mm).
QString csv_muestras(const std::vector<Curva>& curvas, const QLocale& locale,
                     std::optional<double> pantalla_cm = std::nullopt);

// The session summary: one row per curve with L, a, d, N, the sector's ends,
// the central intensity N² a², the missing orders, and the sine of each
// principal maximum inside the sector in a column of its order (empty where
// the curve has none of that order).
QString csv_resumen(const std::vector<Curva>& curvas, const QLocale& locale);
