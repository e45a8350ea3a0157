#include "session/reloj.h"

namespace {
Reloj& reloj() {
    static Reloj r;
    return r;
}
} // namespace

QDateTime hora_actual() {
    return reloj() ? reloj()() : QDateTime::currentDateTime();
}

void set_reloj(Reloj r) {
    reloj() = std::move(r);
}
