#pragma once

#include <sys/stat.h>
#include <QByteArray>
#include <QHash>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "jukebox/tracklist/track_entry.h"
#include "taglib/code_page_detector.h"

class TagRecord;

// What a file's own tags gave an entry, kept between runs so that a list loads
// without opening the files that did not change. One record per file, found by
// the path's bytes and valid while the file keeps its size and modification
// time and the tag options that shape the texts stay as they were. Texts from
// the dictionary are never kept: they are looked up afresh at every build.
//
// The cache is one file, never held whole: its records are checked and
// indexed in one pass through a small window, and read again through another
// as the list asks for them (a list asks in the order the file was written).
// Records kept in this run go to an unnamed side file in the cache's folder a
// block at a time, so a crash leaves nothing behind. Flush streams the records
// into a new file that takes the old one's place, then lets everything go
// until the next lookup. A file that cannot be read or is damaged counts as
// empty and is written anew at the next Flush.
//
// File: a header (magic, version, record count, payload length, CRC-32 of the
// payload), then the records, each a multiple of 8 bytes long:
//   u32 length, u32 options key, i64 size, i64 mtime (ns), u16 path length,
//   u8 found and read flags, u8 age, u8 mapping kind, u8 state, u16 zero,
//   i32 code page, i32 duration (ms), i64 bitrate,
//   [the detection scores when the code page was detected: u8 valid bits,
//    u8 evidence, 6 f64],
//   per found text: u16 length, UTF-16 units; the path's bytes; zero padding.
class TagCache {
public:
    static constexpr uint32_t kVersion = 1;
    // Records not used in this many writes in a row are dropped; and never more
    // than kMaxRecords are written (those used last are kept first).
    static constexpr int kMaxAge = 3;
    static constexpr int kMaxRecords = 400000;
    // A larger file is not read (it cannot be one this program wrote).
    static constexpr qint64 kMaxFileBytes = qint64(512) << 20;
    // A file changed this recently may change again within the same timestamp
    // tick: it is not kept.
    static constexpr int64_t kSettleNs = int64_t(2) * 1000 * 1000 * 1000;

    // How the tag record read the file, beside the texts: the detection's
    // scores let a cached entry vote with its folder.
    struct ReadFacts {
        bool detected = false;
        int codePage = 0;
        CodePageScores scores;
    };

    // Records kept in this run are put in the side file a block of this size at a time.
    static constexpr qsizetype kSpillBytes = qsizetype(256) << 10;

    // file: where the cache lives; empty: nothing is kept. spillBytes: the side
    // file's block.
    explicit TagCache(QString file, qsizetype spillBytes = kSpillBytes);
    ~TagCache();
    TagCache(const TagCache&) = delete;
    TagCache& operator=(const TagCache&) = delete;

    // ${XDG_CACHE_HOME:-~/.cache}/velorine/tags
    static QString DefaultFile();
    // The tag options that change what a read gives, as one number.
    static uint32_t OptionsKey(const TagRecord& record, bool preferId3v2);

    // Fills entry's texts, found flags, mapping kind and MPEG facts from the
    // record of the file (info from stat of localPath) when it is still valid.
    bool Take(const QByteArray& localPath, const struct stat& info, uint32_t optionsKey,
              TrackEntry& entry, ReadFacts& facts);
    // Keeps what the file's own tags gave entry.
    void Keep(const QByteArray& localPath, const struct stat& info, uint32_t optionsKey,
              const TrackEntry& entry, const ReadFacts& facts);
    // Writes the cache when it changed, and lets its memory go (the next
    // lookup reads the file again). False when it could not be written: then
    // what was kept stays for the next Flush.
    bool Flush();

    const QString& file() const { return file_; }
    int hits() const { return hits_; }
    int misses() const { return misses_; }
    int recordCount() const { return recordCount_; }

private:
    // Bytes of a file read through a window of them.
    class Window {
    public:
        explicit Window(qsizetype chunk) : chunk_(chunk) {}
        void reset(int fd, qint64 size);
        // length bytes at offset, valid until the next call; nullptr when the
        // file has not got them.
        const char* at(qint64 offset, qsizetype length);
        void release();

    private:
        int fd_ = -1;
        qint64 size_ = 0;
        qint64 start_ = 0;
        qsizetype chunk_;
        QByteArray buffer_;
    };
    struct Slot {
        uint32_t hash = 0;
        uint32_t ordinal = 0;  // of the record, plus one; 0: empty slot
    };
    // Records found by their path's bytes through open addressing; a table is
    // never more than three quarters full. Records are numbered in the order they were
    // added; a slot holds the number, which is smaller than the offset of a
    // slot per record.
    struct Index {
        std::vector<Slot> slots;
        std::vector<uint32_t> offsets;  // per record: where it starts in its file
        int count = 0;
        // Numbers a record at offset.
        uint32_t add(qint64 offset);
        // Room for records without growing.
        void reserve(size_t records);
        // Where a hash's probe starts: the hash scaled to the table.
        size_t home(uint32_t hash) const { return size_t((uint64_t(hash) * slots.size()) >> 32); }
        void insert(uint32_t hash, uint32_t ordinal);
        qint64 offsetOf(const Slot& slot) const { return offsets[slot.ordinal - 1]; }
        // The slot of the path's record (recordAt(offset) gives its bytes), or nullptr.
        template <typename RecordAt>
        Slot* find(const RecordAt& recordAt, const char* path, qsizetype length, uint32_t hash);
    };

    void ensureLoaded();
    // Checks and indexes the records of the file open as dataFd_; false when damaged.
    bool indexFile();
    void forgetFile();
    // A whole record at offset of the records kept in this run; nullptr when it
    // cannot be read or does not hold together.
    const char* keptRecord(Window& window, qint64 offset);
    // Puts the block of kept records in the side file; false when it cannot.
    bool spill();
    // Each record the next file holds, in its order, with the age it is written
    // with; false when a record could not be read back.
    bool eachRecordToWrite(const std::function<void(const char* record, uint8_t age)>& take);
    bool writeFile();

    QString file_;
    qsizetype spillBytes_;
    bool loaded_ = false;
    bool dirty_ = false;
    // The cache file as read at the first lookup.
    int dataFd_ = -1;
    qint64 dataSize_ = 0;
    Window dataWindow_;
    Index index_;                  // over its records
    std::vector<uint8_t> states_;  // per record, in file order: what this run did with it
    std::vector<uint8_t> ages_;
    int recordCount_ = 0;
    // Records kept in this run: the first spilled_ bytes in the side file, the
    // rest in pending_.
    int spillFd_ = -1;
    qint64 spilled_ = 0;
    bool spillFailed_ = false;
    Window spillWindow_;
    QByteArray pending_;
    Index pendingIndex_;
    std::vector<bool> pendingDead_;     // per kept record: kept again since
    std::array<QString, 6> lastTexts_;  // the texts of the record read last
    int hits_ = 0;
    int misses_ = 0;
};
