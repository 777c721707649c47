#pragma once

#include <QList>
#include <QString>

#include "jukebox/skin/skin_list_entry.h"

class SkinPackages;

// The skins installed in the "skins" folder of the working folder, as folders
// or as "vlz" archives, in the order the folder listing gives them, and the
// current one among them.
class SkinList {
public:
    explicit SkinList(SkinPackages& packages) : packages_(packages) {}

    // Empties the list and fills it from workFolder/skins. Folders give their
    // spec.txt header, archives the header of their top-level spec.txt; a skin
    // without a readable spec.txt adds nothing. The current skin stays the one
    // of the stored name where it is still listed, else it is the first.
    void ScanSkins(const QString& workFolder);

    // The first entry whose name equals name exactly (case counts) becomes
    // current and the name is stored; false, changing nothing, when none does.
    bool SelectSkin(const QString& name);
    // Makes the entry at index current and stores its name (the Skin page's
    // "Load"); false for an index outside the list.
    bool SelectIndex(int index);

    // The current entry's name and path; empty when the list is empty.
    QString CurrentSkinName() const;
    QString CurrentSkinPath() const;

    const QList<SkinListEntry>& entries() const { return entries_; }
    int currentIndex() const { return current_; }
    // The name that SelectSkin or SelectIndex stored last.
    const QString& storedName() const { return storedName_; }

private:
    const SkinListEntry* current() const;

    SkinPackages& packages_;
    QList<SkinListEntry> entries_;
    int current_ = 0;
    QString storedName_;
};
