#pragma once

#include <QImage>

class QPainter;

// The pixels of an image written directly, for the figures painted most: in
// copy mode, clipped to the image, each pixel a w x w block as the strokes of
// a w-pixel pen drawn as w x w one-pixel strokes are.
class Lienzo {
public:
    Lienzo(QImage& img, int w) : img_(img), w_(w), desde_(-(w - 1) / 2) {}

    // The blocks of the pixels (x, y0)..(x, y1).
    void vertical(int x, int y0, int y1, QRgb c);
    // The blocks of an aliased line from (x0, y0) to (x1, y1), both ends
    // included, as the raster engine draws it: pixel indices are corners, so
    // the line lights the pixel whose corner it passes (the coordinate floored).
    void linea(int x0, int y0, int x1, int y1, QRgb c);
    // The pixels (x0, y0)..(x1, y1), corners included, that fall on the image.
    void rectangulo(int x0, int y0, int x1, int y1, QRgb c);

private:
    // The part of the run a..b (either way round) whose blocks can touch
    // 0..n-1, as desde..hasta in the run's direction; false if none.
    bool recortar(int a, int b, int n, int& desde, int& hasta) const;

    QImage& img_;
    int w_;
    int desde_;
};

// The image a painter paints on, when the program's pixels can be written to it directly.
QImage* imagen_directa(QPainter& p);
