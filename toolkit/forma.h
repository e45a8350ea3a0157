#pragma once

#include <QColor>
#include <QWidget>

// A rectangle shape: an optional solid fill and an optional border. It never
// takes the mouse, so the picture box under it still sees the pointer.
class Forma : public QWidget {
    Q_OBJECT
public:
    explicit Forma(QWidget* parent = nullptr);

    void set_relleno(const QColor& c);
    void set_sin_relleno();
    bool tiene_relleno() const { return relleno_activo_; }
    const QColor& relleno() const { return relleno_; }
    void set_borde(const QColor& c);
    void set_sin_borde();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QColor relleno_ = Qt::white;
    bool relleno_activo_ = false;
    QColor borde_ = Qt::black;
    bool borde_activo_ = true;
};
