#pragma once

#include <QImage>

// A 16 x 16 magnifier with a plus (`acercar`) or a minus sign, in colour when
// it can be used and greyed when it cannot: the zoom window's buttons until the
// picture files of the working folder replace them.
QImage dibujar_lupa(bool acercar, bool disponible);
