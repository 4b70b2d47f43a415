#pragma once

#include <QApplication>
#include <QCursor>

// Shows the busy pointer for its lifetime, so every way out of an operation restores the normal
// one.
class BusyPointer
{
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
};
