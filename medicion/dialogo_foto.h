#pragma once

#include "model/ajuste.h"

#include <QImage>
#include <QLineF>
#include <QWidget>

#include <optional>

// The photo, scaled to fit, with the segment the profile is read along; a
// drag draws it anew (press at one end, release at the other).
class LineaSobreFoto : public QWidget {
    Q_OBJECT
public:
    LineaSobreFoto(const QImage& foto, QWidget* padre = nullptr);
    // In the photo's pixels.
    QLineF linea() const { return linea_; }
    void set_linea(QLineF l);
    QSize sizeHint() const override { return {640, 400}; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QRectF destino() const; // where the photo is painted
    QPointF en_foto(QPointF pixel) const;

    QImage foto_;
    QLineF linea_;
};

// Asks for the segment across the fringes and where its two ends stand on the
// screen, and the grating-to-screen distance: the profile along it, or nothing
// when the user cancels or the numbers cannot give one (a message says why).
std::optional<Perfil> pedir_perfil_de_foto(QWidget* padre, const QImage& foto,
                                           const QString& nombre);
