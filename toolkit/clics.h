#pragma once

#include <QGuiApplication>

// A press offers the focus to the control under it before the control sees the
// press. A control that refuses to give the focus up (a value box turning its
// number down, with a message in between) holds one of these over its refusal:
// when it ends, the press that asked for the focus goes no further, since its
// release went to the message box and the control under the pointer would
// otherwise stay pressed. A refusal outside a press (a Tab) leaves nothing behind.
class ClicRehusado {
public:
    ClicRehusado() : en_clic_(QGuiApplication::mouseButtons() != Qt::NoButton) {}
    ~ClicRehusado();
    ClicRehusado(const ClicRehusado&) = delete;
    ClicRehusado& operator=(const ClicRehusado&) = delete;

private:
    bool en_clic_;
};
