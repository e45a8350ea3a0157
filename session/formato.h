#pragma once

#include "model/fijo.h"

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>

// Every "/" and every ":" becomes "_", so that the locale's time and date forms
// can stand in a file name; every other character stays.
QString convert(const QString& c);

// The documentation file of a switching-on at `hora`: the locale's short time,
// hours and minutes only, through `convert`, then ".log" (14:35 gives "14_35.log").
QString nombre_documento(QTime hora, const QLocale& l);

// The four lines that open a documentation block: the date, a blank, the column
// header and a blank, each ended by CR LF.
QString cabecera_documento(QDate fecha, const QLocale& l);

// `x` through a number pattern of "#" (optional digit) and "0" (digit always
// written), with "." marking the decimals: "#0.0#", "###", "##0.0", "0.0###".
// Rounds halves away from zero on the decimal value the double stands for;
// `separador` is written as the decimal mark.
QString con_patron(double x, QStringView patron, const QString& separador);

// The six values of one plotted case as one documentation line: six
// left-justified fields of 11, 12, 7, 6, 6 and 7 characters, cut on the right,
// 49 characters in all, without the line break.
struct CasoDocumentado {
    double ang_min = 0;
    double ang_max = 0;
    Fijo n;
    Fijo a;
    Fijo d;
    Fijo l;
};
QString linea_documento(const CasoDocumentado& c, const QLocale& l);
// A line of a documentation file read back as its case: six numbers between
// blanks, with "," or "." as decimal mark, N whole and at least 1; nothing for
// a date, a header or a blank line.
std::optional<CasoDocumentado> leer_linea_documento(const QString& linea);

// The text of a documentation file as the viewer shows it: each line (ended by
// CR LF, CR or LF) followed by CR LF, the last one included; empty for an empty file.
QString texto_con_fin_linea(const QByteArray& contenido);
