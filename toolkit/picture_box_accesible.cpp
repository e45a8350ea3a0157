#include "toolkit/picture_box_accesible.h"

#include "toolkit/picture_box.h"

#include <QAccessibleWidget>

namespace {

// A picture box as a screen reader sees it: its role, and a press action when
// it is a button.
class PictureBoxAccesible : public QAccessibleWidget {
public:
    explicit PictureBoxAccesible(PictureBox* caja) : QAccessibleWidget(caja, caja->rol()) {}

    // Asked each time: a role set after a screen reader first looked still counts.
    QAccessible::Role role() const override { return caja()->rol(); }

    QStringList actionNames() const override {
        QStringList n = QAccessibleWidget::actionNames();
        if (caja()->rol() == QAccessible::Button) {
            n.prepend(pressAction());
        }
        return n;
    }
    void doAction(const QString& accion) override {
        if (accion == pressAction() && caja()->rol() == QAccessible::Button) {
            if (caja()->isEnabled()) {
                caja()->pulsar();
            }
            return;
        }
        QAccessibleWidget::doAction(accion);
    }

private:
    PictureBox* caja() const { return static_cast<PictureBox*>(widget()); }
};

QAccessibleInterface* fabrica_accesible(const QString& clase, QObject* objeto) {
    auto* caja = qobject_cast<PictureBox*>(objeto);
    if (caja == nullptr || clase.isEmpty()) {
        return nullptr;
    }
    return new PictureBoxAccesible(caja);
}

} // namespace

void instalar_accesibilidad_picture_box() {
    static const bool instalada = (QAccessible::installFactory(fabrica_accesible), true);
    Q_UNUSED(instalada);
}
