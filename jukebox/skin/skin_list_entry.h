#pragma once

#include <QString>

// One skin of the skin list: the header of its spec.txt and where it lies.
struct SkinListEntry {
    QString name;
    QString designer;
    QString version;
    QString description;  // each line followed by a line feed
    QString path;         // the skin's folder or archive
};

// Reads the header of a spec.txt file ("[Name]", "[Designer]", "[Version]" each
// followed by its line; "[Desc]" lines up to "[Controls]"). Header lines match
// whole lines in any case; lines are read 259 characters at a time. A field
// whose header line is missing stays empty. False when the file cannot be read.
bool ReadSkinHeader(const QString& specPath, SkinListEntry& entry);
