#pragma once

#include <QImage>
#include <QString>

// The picture in `archivo`, or a null image when it is missing, is not a picture
// or is cut short (a BMP that lacks rows its header announces, which Qt would
// show black).
QImage leer_imagen(const QString& archivo);
