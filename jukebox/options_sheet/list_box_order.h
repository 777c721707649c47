#pragma once

#include <QString>
#include <QStringList>

// The order of the extension page's sorted list boxes: without regard to case,
// a new item after the items equal to it.

// Where text goes into items, which are in that order already.
int ListBoxInsertPosition(const QStringList& items, const QString& text);
// items in that order.
QStringList ListBoxOrder(QStringList items);
