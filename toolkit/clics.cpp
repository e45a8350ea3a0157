#include "toolkit/clics.h"

#include <QApplication>
#include <QEvent>

namespace {

class Guardia : public QObject {
public:
    using QObject::QObject;
    bool armada = false;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            // The window gets the press first and hands it to the control.
            if (armada && o->isWidgetType() && e->spontaneous()) {
                armada = false;
                return true;
            }
            return false;
        case QEvent::MouseButtonRelease:
            armada = false;
            return false;
        default:
            return false;
        }
    }
};

} // namespace

ClicRehusado::~ClicRehusado() {
    static Guardia* guardia = nullptr;
    if (qApp == nullptr || !en_clic_) {
        return;
    }
    if (guardia == nullptr) {
        guardia = new Guardia(qApp);
        qApp->installEventFilter(guardia);
    }
    guardia->armada = true;
}
