#pragma once

#include <QString>

#include <functional>

class QDialog;
class QFormLayout;
class QWidget;

// The program's one message box: title "Ondaris", the text, an OK button, no
// icon, modal. Tests install an answerer that receives the text and returns at
// once instead of showing the box.
void mensaje(const QString& texto);
using Contestador = std::function<void(const QString& texto)>;
void set_contestador(Contestador c);

// Shows `ventana` modally and returns when it is hidden or closed. Tests install
// a handler that receives the shown window, works its controls and returns.
void mostrar_modal(QWidget* ventana);
using ManejadorModal = std::function<void(QWidget* ventana)>;
void set_manejador_modal(ManejadorModal m);
// A form's "Aceptar" and "Cancelar" under its rows, the dialog shown modally:
// whether the user accepted it.
bool aceptado(QDialog& dialogo, QFormLayout& forma);
