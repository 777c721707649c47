#pragma once

#include <QGuiApplication>

// The wait cursor over the program's windows while it lives: for work that
// keeps the user waiting without a dialog of its own (scanning or loading
// skins). Only where a GUI application runs; elsewhere it does nothing.
class WaitCursor {
public:
    WaitCursor() : shown_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        if (shown_) {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        }
    }
    ~WaitCursor() {
        if (shown_) {
            QGuiApplication::restoreOverrideCursor();
        }
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool shown_;
};
