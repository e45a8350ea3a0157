#pragma once

class QImage;
class QString;

// The clipboard emptied and given one item, so that nothing of an earlier copy
// stays behind in another format.
void copiar_imagen(const QImage& imagen);
void copiar_texto(const QString& texto);
