#include "jukebox/options_sheet/list_box_order.h"

#include <algorithm>

namespace {

bool before(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

}  // namespace

int ListBoxInsertPosition(const QStringList& items, const QString& text) {
    const auto at = std::upper_bound(items.begin(), items.end(), text, before);
    return static_cast<int>(at - items.begin());
}

QStringList ListBoxOrder(QStringList items) {
    std::stable_sort(items.begin(), items.end(), before);
    return items;
}
