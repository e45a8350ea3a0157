#pragma once

#include <QCursor>
#include <QGuiApplication>

// The hourglass pointer for the life of a scope, so an early return cannot leave it on.
class RelojArena {
public:
    RelojArena() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~RelojArena() { QGuiApplication::restoreOverrideCursor(); }
    RelojArena(const RelojArena&) = delete;
    RelojArena& operator=(const RelojArena&) = delete;
};
