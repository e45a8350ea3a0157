#pragma once

#include <QImage>
#include <QString>

// The picture in `archivo`, or a null image when it is missing, is not a picture
// or is cut short (a BMP that lacks rows its header announces, which Qt would
// show black). `por_que` gets the reason when the file is there and is no
// regular file, or too large, or cannot be read; else it stays empty.
QImage leer_imagen(const QString& archivo, QString* por_que = nullptr);
