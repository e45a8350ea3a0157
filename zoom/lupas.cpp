#include "zoom/lupas.h"

#include <QPainter>

QImage dibujar_lupa(bool acercar, bool disponible) {
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(QColor(192, 192, 192));
    const QColor marco = disponible ? QColor(0, 0, 0) : QColor(128, 128, 128);
    const QColor vidrio = disponible ? QColor(255, 255, 255) : QColor(192, 192, 192);
    const QColor signo = disponible ? QColor(0, 0, 128) : QColor(128, 128, 128);
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    p.setBrush(marco);
    p.drawEllipse(QRect(1, 1, 11, 11));
    p.setBrush(vidrio);
    p.drawEllipse(QRect(2, 2, 9, 9));
    // The handle, two pixels wide, down to the bottom-right corner.
    for (int i = 0; i < 5; ++i) {
        p.fillRect(10 + i, 10 + i, 2, 2, marco);
    }
    p.fillRect(4, 6, 5, 1, signo);
    if (acercar) {
        p.fillRect(6, 4, 1, 5, signo);
    }
    return img;
}
