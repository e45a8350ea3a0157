#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QLabel;
class QWidget;

// The designed places of a window's controls, in twips (15 to a pixel at 96 dpi),
// scaled uniformly to the window's client area: the design is centred across and
// anchored at the top, and fonts scale with it. The one place where twips become
// pixels.
//
// A layout can give the room its client area has beyond the scaled design to
// some of its controls instead: then the design stands at the top left, and each
// anchored control moves and grows by its share of that room, across and down.
class Diseno : public QObject {
    Q_OBJECT
public:
    // `raiz` is the client area; `ancho` x `alto` twips is the designed area in it.
    Diseno(QWidget* raiz, double ancho, double alto);

    // Places `w` (a child of the root or of another placed control) at a designed
    // rectangle relative to its parent, with a font of `puntos` points (0: none set).
    void colocar(QWidget* w, QRectF twips, double puntos = 8.25, bool negrita = false);
    void mover(QWidget* w, QRectF twips);
    // Where `w` stands now, in twips: its designed place moved and grown by its anchoring.
    QRectF twips(const QWidget* w) const;

    // The shares of the room beyond the design a control takes: fractions of it
    // by which it moves right and down and grows wider and taller.
    struct Anclaje {
        double mover_x = 0;
        double mover_y = 0;
        double crecer_x = 0;
        double crecer_y = 0;
    };
    // From now on the room beyond the design goes to the anchored controls (at
    // the next `aplicar()`).
    void anclar(QWidget* w, Anclaje a);
    // A control `ancho_twips` wide by design that takes all the room across
    // keeps at least `parte` of the width of a wide screen: the scale is held
    // down for it.
    void reservar_parte(double ancho_twips, double parte);

    // Logical pixels per designed pixel.
    double factor() const { return factor_; }
    // The factor a client area of `area` logical pixels gives the design.
    double factor_para(QSizeF area) const;
    int a_pixeles(double twips) const;
    void aplicar();

signals:
    void escalado(double factor);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    struct Lugar {
        QPointer<QWidget> w;
        QRectF twips;
        double puntos;
        bool negrita;
        Anclaje anclaje = {};
    };
    QRectF efectivo(const Lugar& l) const;
    void ubicar(const Lugar& l);

    QWidget* raiz_;
    double ancho_;
    double alto_;
    double factor_ = 1;
    double margen_x_ = 0;
    bool extensible_ = false;
    double cede_ancho_ = 0;
    double parte_cedida_ = 0;
    QSizeF sobrante_; // the room beyond the design, in twips
    QHash<const QWidget*, Lugar> lugares_;
    QList<const QWidget*> orden_;
};

// The factor of the layout of `ventana`'s window, so that a dialog sized by it
// grows with that window's controls and fonts. A window not shown yet is taken
// as filling its screen's available area, as the main window opens maximised;
// 1 for a window without a layout.
double factor_de_ventana(const QWidget* ventana);

// A caption that wraps its words, placed at a designed rectangle of `padre`.
QLabel* rotulo(Diseno& d, QWidget* padre, const QString& texto, QRectF lugar,
               Qt::Alignment alineacion = Qt::AlignLeft | Qt::AlignVCenter);
