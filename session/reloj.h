#pragma once

#include <QDateTime>

#include <functional>

// The time of day that names a documentation file and dates its header; the
// system clock unless a test has fixed it.
QDateTime hora_actual();
using Reloj = std::function<QDateTime()>;
void set_reloj(Reloj r);
