#pragma once

#include <QByteArrayView>
#include <QString>

// One skin of the skin list: the header of its spec.txt and where it lies.
struct SkinListEntry {
    QString name;
    QString designer;
    QString version;
    QString description;  // each line followed by a line feed
    QString path;         // the skin's folder or archive
};

// The header stands at the start of spec.txt; only this much of the file is read
// for it, so that a huge or endless file costs no more than a normal one.
inline constexpr qint64 kSkinHeaderBytes = 64 * 1024;

// Reads the header of a spec.txt file ("[Name]", "[Designer]", "[Version]" each
// followed by its line; "[Desc]" lines up to "[Controls]") from its first
// kSkinHeaderBytes. Header lines match whole lines in any case; lines are read
// 259 characters at a time. A field whose header line is missing stays empty.
// False when the file cannot be read or is not a regular file.
bool ReadSkinHeader(const QString& specPath, SkinListEntry& entry);
// The same from the start of the file's bytes (at most kSkinHeaderBytes are
// used; a line cut there is left out).
void ReadSkinHeaderText(QByteArrayView start, SkinListEntry& entry);
