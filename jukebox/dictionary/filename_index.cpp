#include "jukebox/dictionary/filename_index.h"

QString FilenameIndex::fold(const QString& name) {
    return name.toCaseFolded();
}

void FilenameIndex::clear() {
    exact_.clear();
    folded_.clear();
}

void FilenameIndex::rebuild(const QList<DictionaryEntry>& rows) {
    clear();
    exact_.reserve(rows.size());
    folded_.reserve(rows.size());
    for (qsizetype row = 0; row < rows.size(); ++row) {
        appended(rows[row].filename, static_cast<int>(row));
    }
}

void FilenameIndex::appended(const QString& name, int row) {
    add(name, row);
    addFolded(name);
}

void FilenameIndex::add(const QString& name, int row) {
    auto it = exact_.find(name);
    if (it == exact_.end()) {
        exact_.insert(name, Slot{row, 1});
        return;
    }
    it->count += 1;
    it->first = std::min(it->first, row);
}

void FilenameIndex::addFolded(const QString& name) {
    folded_[fold(name)] += 1;
}

void FilenameIndex::removeFolded(const QString& name) {
    auto it = folded_.find(fold(name));
    if (it != folded_.end() && --*it == 0) {
        folded_.erase(it);
    }
}

void FilenameIndex::renamed(const QList<DictionaryEntry>& rows, int row, const QString& oldName) {
    const QString& newName = rows[row].filename;
    if (newName == oldName) {
        return;
    }
    auto it = exact_.find(oldName);
    if (it != exact_.end()) {
        if (--it->count == 0) {
            exact_.erase(it);
        } else if (it->first == row) {
            // The name is held again only further down: the next holder comes first.
            qsizetype next = row + 1;
            while (next < rows.size() && rows[next].filename != oldName) {
                ++next;
            }
            it->first = static_cast<int>(next);
        }
    }
    add(newName, row);
    removeFolded(oldName);
    addFolded(newName);
}

int FilenameIndex::firstRow(const QString& name) const {
    auto it = exact_.constFind(name);
    return it == exact_.constEnd() ? -1 : it->first;
}

bool FilenameIndex::containsIgnoringCase(const QString& name) const {
    return folded_.contains(fold(name));
}
