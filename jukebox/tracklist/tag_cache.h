#pragma once

#include <sys/stat.h>
#include <QByteArray>
#include <QHash>
#include <QString>
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
// The cache is one file, read whole at the first lookup and written whole (a
// new file that takes the old one's place) by Flush, which also lets the memory
// go until the next lookup. A file that cannot be read
// or is damaged counts as empty and is written anew at the next Flush.
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

    // file: where the cache lives; empty: nothing is kept.
    explicit TagCache(QString file);

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
    struct Slot {
        uint32_t hash = 0;
        uint32_t offset = 0;  // of the record in its buffer, plus one; 0: empty slot
    };
    // Records found by their path's bytes through open addressing; a table is
    // never more than half full.
    struct Index {
        std::vector<Slot> slots;
        int count = 0;
        void insert(uint32_t hash, qsizetype offset);
        // The slot of the path's record in records, or nullptr.
        Slot* find(const QByteArray& records, const char* path, qsizetype length, uint32_t hash);
        const Slot* find(const QByteArray& records, const char* path, qsizetype length,
                         uint32_t hash) const;
    };

    void ensureLoaded();
    // Takes bytes as the cache's content; false (and an empty cache) when damaged.
    bool adopt(QByteArray bytes);
    bool indexRecords();
    // The record of the path in data_, or -1.
    qsizetype find(const char* path, qsizetype length, uint32_t hash) const;
    // Each record the next file holds, in its order, with the age it is written with.
    void eachRecordToWrite(const std::function<void(const char* record, uint8_t age)>& take) const;
    bool writeFile() const;

    QString file_;
    bool loaded_ = false;
    bool dirty_ = false;
    QByteArray data_;  // the file read (header and records)
    Index index_;      // over data_'s records
    int recordCount_ = 0;
    QByteArray pending_;  // records kept in this run, not yet written
    Index pendingIndex_;  // over pending_
    int hits_ = 0;
    int misses_ = 0;
};
