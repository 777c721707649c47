#pragma once

#include <QCoreApplication>
#include <QKeyEvent>
#include <QObject>

// The windows beside the main one pass the keys they do not use to the main
// window: a copy of the event is posted there (none when there is no target).
inline void ForwardKey(QObject* target, const QKeyEvent& event) {
    if (target == nullptr) {
        return;
    }
    QCoreApplication::postEvent(
        target, new QKeyEvent(event.type(), event.key(), event.modifiers(), event.text(),
                              event.isAutoRepeat(), static_cast<ushort>(event.count())));
}
