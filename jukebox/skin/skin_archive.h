#pragma once

#include <QString>

struct zip;

// Reads packed skins (ZIP archives with stored or deflated entries), one open
// archive at a time. The order of use is always OpenArchive, then FindEntry or
// ArchiveEntryCount, then ExtractEntry as needed, then CloseArchive.
class SkinArchive {
public:
    // No entry is written larger than this; a skin has no use for more.
    static constexpr qint64 kMaxEntrySize = 256LL * 1024 * 1024;

    SkinArchive() = default;
    ~SkinArchive();
    SkinArchive(const SkinArchive&) = delete;
    SkinArchive& operator=(const SkinArchive&) = delete;

    // False when the path is not a readable ZIP archive, or while another
    // archive is still open (that one stays open).
    bool OpenArchive(const QString& path);
    // 0 when nothing is open.
    int ArchiveEntryCount() const;
    // The index of the entry whose whole stored name (folder part included)
    // equals name in any case; -1 when there is none.
    int FindEntry(const QString& name) const;
    // Writes the entry below folder under its stored relative path, creating
    // missing sub-folders and replacing an existing file. An entry whose name is
    // absolute, climbs out with "..", or that is a link is not written; neither
    // is one whose data is damaged (nothing of it is left behind).
    bool ExtractEntry(int index, const QString& folder);
    void CloseArchive();

    bool isOpen() const { return archive_ != nullptr; }
    // The stored name of an entry, "/" separating its folders.
    QString entryName(int index) const;

private:
    bool isLink(int index) const;

    struct zip* archive_ = nullptr;
};
