#pragma once

// Qt's own words (the OK button, the boxes' context menu) in Spanish, like the
// rest of the interface: Debian's translations of Qt, when they are installed.
// Returns whether they were found.
bool cargar_traducciones_qt();
