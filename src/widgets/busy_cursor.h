#pragma once

#include <QCursor>
#include <QGuiApplication>

// The wait cursor for as long as the program works without returning to the
// event loop (a long load, save or print), so a busy window does not look hung.
class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};
