#pragma once

#include <QByteArray>
#include <QString>

struct zip;

// Reads packed skins (ZIP archives with stored or deflated entries), one open
// archive at a time. The order of use is always OpenArchive, then FindEntry or
// ArchiveEntryCount, then ExtractEntry as needed, then CloseArchive.
class SkinArchive {
public:
    // No entry is written larger than this; a skin has no use for more.
    static constexpr qint64 kMaxEntrySize = 256LL * 1024 * 1024;
    // Nor more than this from one archive together: room for the panels of both
    // views (which dominate any skin) of a 4K face, 150 MB each as 24-bit
    // bitmaps, and all the strips, while a small archive that inflates without
    // end fills the temporary folder, often held in memory, only this far.
    static constexpr qint64 kMaxTotalSize = 512LL * 1024 * 1024;

    explicit SkinArchive(qint64 maxEntrySize = kMaxEntrySize, qint64 maxTotalSize = kMaxTotalSize)
        : maxEntrySize_(maxEntrySize), maxTotalSize_(maxTotalSize) {}
    ~SkinArchive();
    SkinArchive(const SkinArchive&) = delete;
    SkinArchive& operator=(const SkinArchive&) = delete;

    // False when the path is not a regular file holding a readable ZIP archive,
    // or while another archive is still open (that one stays open).
    bool OpenArchive(const QString& path);
    // 0 when nothing is open.
    int ArchiveEntryCount() const;
    // The index of the entry whose whole stored name (folder part included)
    // equals name in any case; -1 when there is none.
    int FindEntry(const QString& name) const;
    // Writes the entry below folder under its stored relative path, creating
    // missing sub-folders and replacing an existing file. An entry whose name is
    // absolute, climbs out with "..", or that is a link is not written; neither
    // is one whose data is damaged or that would pass sizeLimit (when not
    // negative), the entry size limit or what is left of the archive's total
    // (nothing of it is left behind). Bytes are counted as they inflate.
    bool ExtractEntry(int index, const QString& folder, qint64 sizeLimit = -1);
    // At most maxBytes from the start of the entry, without writing anything.
    // False when the entry cannot be read or its data is damaged.
    bool ReadEntryStart(int index, qint64 maxBytes, QByteArray& bytes);
    void CloseArchive();

    bool isOpen() const { return archive_ != nullptr; }
    // The stored name of an entry, "/" separating its folders.
    QString entryName(int index) const;

private:
    bool isLink(int index) const;
    bool isValidIndex(int index) const;
    bool writeEntry(int index, const QString& target, qint64 limit);

    struct zip* archive_ = nullptr;
    qint64 maxEntrySize_;
    qint64 maxTotalSize_;
    qint64 extracted_ = 0;  // written from the open archive so far
};
