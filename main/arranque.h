#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class Presentacion;
class QIcon;
class QTextStream;
class VentanaPrincipal;

// The program's start: the splash waits, then the main window runs its load
// step and shows itself. The caller owns the window.
std::unique_ptr<VentanaPrincipal> arrancar(Presentacion& presentacion);

// Where the program works and where it reads the files it ships.
struct Carpetas {
    QString trabajo;     // start-up values, documentation switch, session files
    QString datos;       // the shipped files: model text, pictures, first copies
    QStringList sembrar; // shipped files to copy into `trabajo` before starting
};

// The folder of the program (`programa`) when it holds "inic.dat" and can be
// written: the build, a copied folder. Otherwise the user's folder, which gets
// the start-up values and the switch it does not have yet, from the program's
// folder if it holds them or else from where they were installed
// (`instalada`); a copy the user edited is never replaced, not by an upgrade
// either.
Carpetas elegir_carpetas(const QString& programa, const QString& instalada, const QString& usuario);

// The share folder that an installation puts beside the program's folder.
QString carpeta_instalada(const QString& programa);

// Creates the working folder, copies what it lacks, makes it current and tells
// `ruta_de_datos` where the shipped files are. Returns what went wrong, or an
// empty text. A user's folder that cannot be made or written leaves the
// shipped files' folder current and is recorded for `carpeta_impedida`.
QString preparar_carpetas(const Carpetas& c);

// The program's icon in every size installed beside the program (the build
// draws them in the same places); empty when there is none.
QIcon icono_programa(const QString& programa);

// Start-up for checking an installation: no splash; the window loads, shows,
// plots the start-up case once and closes. Writes to `salida` the working
// folder, where each shipped file was found, the icon's sizes and every
// message the user would have seen; returns 0 when nothing was missing or said.
int comprobar_arranque(QTextStream& salida);
