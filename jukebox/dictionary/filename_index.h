#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include "jukebox/dictionary/dictionary_entry.h"

// The Filename lookups of the dictionary, kept in step with its rows so that
// neither a lookup nor the duplicate test of an add walks the rows: for every
// exact name the first row holding it, and for every case-folded name how many
// rows hold it.
//
// Case folding is Unicode simple folding, one character for one: "Ärger" and
// "ärger", "ΣΟΦΟΣ" and "σοφος" (final sigma too) fold alike, while "Straße" and
// "STRASSE" do not, nor a name in composed and one in decomposed form.
class FilenameIndex {
public:
    static QString fold(const QString& name);

    void clear();
    void rebuild(const QList<DictionaryEntry>& rows);
    // The row just appended at the end holds name.
    void appended(const QString& name, int row);
    // rows[row] has just been renamed from oldName (rows holds the new name).
    void renamed(const QList<DictionaryEntry>& rows, int row, const QString& oldName);

    // The first row whose Filename equals name exactly; -1 when none does.
    int firstRow(const QString& name) const;
    // True when some row's Filename equals name without regard to case.
    bool containsIgnoringCase(const QString& name) const;

private:
    struct Slot {
        int first;  // lowest row holding the name
        int count;  // rows holding it
    };

    void add(const QString& name, int row);
    void addFolded(const QString& name);
    void removeFolded(const QString& name);

    QHash<QString, Slot> exact_;
    QHash<QString, int> folded_;
};
