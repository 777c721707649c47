#include "jukebox/dictionary_window/tag_edit_fields.h"

#include <QCoreApplication>
#include <algorithm>

#include "jukebox/dictionary/dictionary_store.h"

QString TagEditFields::Label(int field) {
    static constexpr std::array<const char*, kFieldCount> kLabels{
        QT_TRANSLATE_NOOP("CDictionaryWnd", "Display"),
        QT_TRANSLATE_NOOP("CDictionaryWnd", "Artist"),
        QT_TRANSLATE_NOOP("CDictionaryWnd", "Source"),
        QT_TRANSLATE_NOOP("CDictionaryWnd", "Genre"),
        QT_TRANSLATE_NOOP("CDictionaryWnd", "Date"),
        QT_TRANSLATE_NOOP("CDictionaryWnd", "Comment")};
    if (field < 0 || field >= kFieldCount) {
        return {};
    }
    return QCoreApplication::translate("CDictionaryWnd", kLabels[static_cast<std::size_t>(field)]);
}

TagEditFields TagEditFields::ForRows(const DictionaryStore& store, const std::vector<int>& rows) {
    TagEditFields fields;
    if (rows.size() != 1 || rows.front() < 0 || rows.front() >= store.rowCount()) {
        fields.caption = QCoreApplication::translate("CDictionaryWnd", "Multi-Tag Edit");
        return fields;
    }
    const DictionaryEntry& row = store.rowAt(rows.front());
    fields.caption = QCoreApplication::translate("CDictionaryWnd", "Tag Edit: ") + row.filename;
    for (int field = 0; field < kFieldCount; ++field) {
        fields.texts[static_cast<std::size_t>(field)] =
            row.text(kColumns[static_cast<std::size_t>(field)]);
    }
    return fields;
}

void TagEditFields::applyTo(DictionaryStore& store, std::vector<int> rows) const {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows) {
        for (std::size_t field = 0; field < kColumns.size(); ++field) {
            if (change[field]) {
                store.setText(row, kColumns[field], texts[field]);
            }
        }
    }
}
