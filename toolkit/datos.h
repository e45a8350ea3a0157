#pragma once

#include <QString>

// The files the program ships (start-up values, model text, pictures) are read
// from the working folder when they are there, and otherwise from the folder
// the program was installed with them. Without that folder (the build's
// program, the tests) every name stays bare: the working folder alone.
void fijar_carpeta_datos(const QString& carpeta);
QString carpeta_datos();

// The path to open for the shipped file `nombre`; the bare name when neither
// folder has it, so a message about it names the file the user knows.
QString ruta_de_datos(const QString& nombre);

// Why the user's folder could not be the working folder, as the user is told
// it; empty when it could. Nothing is written in the run then.
void fijar_carpeta_impedida(const QString& aviso);
QString carpeta_impedida();
