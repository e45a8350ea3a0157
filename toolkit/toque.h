#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>

class QMouseEvent;
class QWidget;

// Hit areas a finger can find. While on, each registered control answers over
// at least `lado` x `lado` logical pixels centred on it: a press that falls
// around it, on something that takes no press of its own (a caption, the
// sketch, a frame's ground), goes to the nearest such control, and the moves
// and the release that follow go with it, so a marker is dragged as if held.
class AreaDeToque : public QObject {
    Q_OBJECT
public:
    explicit AreaDeToque(QObject* padre, int lado = 44);

    void agregar(QWidget* w);
    void set_activa(bool si);
    bool activa() const { return activa_; }
    // Where `w` answers, in global coordinates (its own rectangle while off).
    QRect zona(const QWidget* w) const;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget* destino_para(const QWidget* receptor, QPoint global) const;
    void reenviar(QMouseEvent* e, QPoint local);

    QList<QPointer<QWidget>> controles_;
    QPointer<QWidget> tomado_; // the control a press was given to, until its release
    QPoint desvio_;            // from the pointer to where the press was given
    int lado_;
    bool activa_ = false;
    bool reenviando_ = false;
};
