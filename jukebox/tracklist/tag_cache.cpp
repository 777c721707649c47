#include "jukebox/tracklist/tag_cache.h"

#include <zlib.h>
#include <QDir>
#include <QFileInfo>
#include <array>
#include <cstring>
#include <ctime>

#include "jukebox/common/path_functions.h"
#include "jukebox/common/whole_file.h"
#include "taglib/tag_record.h"

namespace {

constexpr uint32_t kMagic = 0x43544C56;  // "VLTC" on a little-endian machine
constexpr qsizetype kHeaderBytes = 32;
constexpr qsizetype kFixedBytes = 48;
constexpr qsizetype kScoreBytes = 2 + 8 * CodePageScores::kCandidateCount;
constexpr int kTextCount = 6;
constexpr int kMaxTextUnits = 4096;
constexpr qsizetype kMaxPathBytes = 4096;
constexpr uint8_t kXingBit = 1u << 6;
constexpr uint8_t kDetectedBit = 1u << 7;

// Header fields.
constexpr qsizetype kMagicAt = 0, kVersionAt = 4, kCountAt = 8, kCrcAt = 12, kPayloadAt = 16;
// Record fields.
constexpr qsizetype kLengthAt = 0, kKeyAt = 4, kSizeAt = 8, kMtimeAt = 16, kPathLengthAt = 24,
                    kFlagsAt = 26, kAgeAt = 27, kMappingAt = 28, kStateAt = 29, kCodePageAt = 32,
                    kDurationAt = 36, kBitrateAt = 40;

// In memory only (written as Untouched): what this run did with a record.
enum State : uint8_t { Untouched = 0, Used = 1, Dead = 2 };

template <typename T>
T load(const char* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

template <typename T>
void put(QByteArray& out, T value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

template <typename T>
void store(char* at, T value) {
    std::memcpy(at, &value, sizeof value);
}

qsizetype roundUp8(qsizetype n) {
    return (n + 7) & ~qsizetype(7);
}

uint32_t pathHash(const char* bytes, qsizetype length) {
    uint32_t hash = 2166136261u;
    for (qsizetype i = 0; i < length; ++i) {
        hash = (hash ^ static_cast<uint8_t>(bytes[i])) * 16777619u;
    }
    return hash;
}

int64_t mtimeNs(const struct stat& info) {
    return int64_t(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
}

int64_t nowNs() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The texts in the order of their found bits.
struct TextRef {
    QString TrackEntry::*text;
    bool TrackEntry::*found;
};
constexpr std::array<TextRef, kTextCount> kTexts = {{
    {&TrackEntry::name, &TrackEntry::nameFound},
    {&TrackEntry::artist, &TrackEntry::artistFound},
    {&TrackEntry::genre, &TrackEntry::genreFound},
    {&TrackEntry::date, &TrackEntry::dateFound},
    {&TrackEntry::source, &TrackEntry::sourceFound},
    {&TrackEntry::comment, &TrackEntry::commentFound},
}};

// The length a record must have, from its fields; -1 when they do not fit in
// room bytes.
qsizetype recordLength(const char* record, qsizetype room) {
    const uint8_t flags = load<uint8_t>(record + kFlagsAt);
    qsizetype at = kFixedBytes + ((flags & kDetectedBit) ? kScoreBytes : 0);
    for (int i = 0; i < kTextCount; ++i) {
        if ((flags & (1u << i)) == 0) {
            continue;
        }
        if (at + 2 > room) {
            return -1;
        }
        const uint16_t units = load<uint16_t>(record + at);
        if (units == 0 || units > kMaxTextUnits) {
            return -1;
        }
        at += 2 + 2 * qsizetype(units);
    }
    const uint16_t pathBytes = load<uint16_t>(record + kPathLengthAt);
    if (pathBytes == 0 || pathBytes > kMaxPathBytes) {
        return -1;
    }
    at = roundUp8(at + pathBytes);
    return at <= room ? at : -1;
}

// The path's bytes of a record whose length is known to be right: after the
// texts, before the padding.
const char* recordPath(const char* record, uint16_t& length) {
    length = load<uint16_t>(record + kPathLengthAt);
    const uint8_t flags = load<uint8_t>(record + kFlagsAt);
    qsizetype at = kFixedBytes + ((flags & kDetectedBit) ? kScoreBytes : 0);
    for (int i = 0; i < kTextCount; ++i) {
        if (flags & (1u << i)) {
            at += 2 + 2 * qsizetype(load<uint16_t>(record + at));
        }
    }
    return record + at;
}

void appendRecord(QByteArray& out, const QByteArray& path, const struct stat& info, uint32_t key,
                  const TrackEntry& entry, const TagCache::ReadFacts& facts) {
    const qsizetype start = out.size();
    uint8_t flags = 0;
    for (int i = 0; i < kTextCount; ++i) {
        if (entry.*kTexts[i].found) {
            flags |= uint8_t(1u << i);
        }
    }
    if (entry.isXing) {
        flags |= kXingBit;
    }
    if (facts.detected) {
        flags |= kDetectedBit;
    }
    put<uint32_t>(out, 0);
    put<uint32_t>(out, key);
    put<int64_t>(out, info.st_size);
    put<int64_t>(out, mtimeNs(info));
    put<uint16_t>(out, uint16_t(path.size()));
    put<uint8_t>(out, flags);
    put<uint8_t>(out, 0);  // age
    put<uint8_t>(out, uint8_t(entry.mappingKind));
    put<uint8_t>(out, Untouched);
    put<uint16_t>(out, 0);
    put<int32_t>(out, facts.codePage);
    put<int32_t>(out, entry.durationMs);
    put<int64_t>(out, entry.bitrateKbps);
    if (facts.detected) {
        uint8_t valid = 0;
        for (int i = 0; i < CodePageScores::kCandidateCount; ++i) {
            valid |= facts.scores.valid[i] ? uint8_t(1u << i) : 0;
        }
        put<uint8_t>(out, valid);
        put<uint8_t>(out, facts.scores.evidence ? 1 : 0);
        for (double score : facts.scores.score) {
            put<double>(out, score);
        }
    }
    for (const TextRef& ref : kTexts) {
        if (entry.*ref.found) {
            const QString& text = entry.*ref.text;
            put<uint16_t>(out, uint16_t(text.size()));
            out.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        }
    }
    out.append(path);
    out.append(roundUp8(out.size() - start) - (out.size() - start), '\0');
    store<uint32_t>(out.data() + start, uint32_t(out.size() - start));
}

bool fitsRecord(const TrackEntry& entry, const QByteArray& path) {
    if (path.isEmpty() || path.size() > kMaxPathBytes) {
        return false;
    }
    if (entry.mappingKind != MappingNone && entry.mappingKind != MappingTag) {
        return false;
    }
    for (const TextRef& ref : kTexts) {
        const qsizetype units = (entry.*ref.text).size();
        // A found text is never empty: the readers report only texts they have.
        if (entry.*ref.found && (units == 0 || units > kMaxTextUnits)) {
            return false;
        }
    }
    return true;
}

void readRecord(const char* record, TrackEntry& entry, TagCache::ReadFacts& facts) {
    const uint8_t flags = load<uint8_t>(record + kFlagsAt);
    entry.mappingKind = load<uint8_t>(record + kMappingAt);
    entry.isXing = (flags & kXingBit) != 0;
    entry.durationMs = load<int32_t>(record + kDurationAt);
    entry.bitrateKbps = load<int64_t>(record + kBitrateAt);
    facts.codePage = load<int32_t>(record + kCodePageAt);
    facts.detected = (flags & kDetectedBit) != 0;
    qsizetype at = kFixedBytes;
    if (facts.detected) {
        const uint8_t valid = load<uint8_t>(record + at);
        facts.scores.evidence = load<uint8_t>(record + at + 1) != 0;
        for (int i = 0; i < CodePageScores::kCandidateCount; ++i) {
            facts.scores.valid[i] = (valid & (1u << i)) != 0;
            facts.scores.score[i] = load<double>(record + at + 2 + 8 * i);
        }
        at += kScoreBytes;
    }
    for (int i = 0; i < kTextCount; ++i) {
        const bool found = (flags & (1u << i)) != 0;
        entry.*kTexts[i].found = found;
        if (found) {
            const uint16_t units = load<uint16_t>(record + at);
            // Records are 8-aligned and every part before a text is even-sized.
            entry.*kTexts[i].text = QString(reinterpret_cast<const QChar*>(record + at + 2), units);
            at += 2 + 2 * qsizetype(units);
        }
    }
}

}  // namespace

TagCache::TagCache(QString file) : file_(std::move(file)) {}

QString TagCache::DefaultFile() {
    QByteArray base = qgetenv("XDG_CACHE_HOME");
    if (base.isEmpty() || !base.startsWith('/')) {
        base = qgetenv("HOME");
        if (base.isEmpty()) {
            return {};
        }
        base += "/.cache";
    }
    return PathFromLocalBytes(base + "/velorine/tags");
}

uint32_t TagCache::OptionsKey(const TagRecord& record, bool preferId3v2) {
    uint32_t key = 2166136261u;
    auto mix = [&key](int64_t value) {
        for (int i = 0; i < 8; ++i) {
            key = (key ^ uint8_t(value >> (8 * i))) * 16777619u;
        }
    };
    mix(kVersion);
    mix(record.selectCodePage);
    mix(record.autoTranslate);
    mix(record.autoDetect);
    mix(record.defaultCodePage);
    // Without selectCodePage a read keeps the code page the caller set.
    mix(record.selectCodePage ? -1 : record.codePage);
    mix(record.winampGenres);
    mix(record.marlowExtension);
    mix(preferId3v2);
    return key;
}

void TagCache::ensureLoaded() {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    if (file_.isEmpty()) {
        return;
    }
    QFileInfo info(file_);
    if (!info.exists()) {
        return;
    }
    QByteArray bytes;
    if (!info.isFile() || info.size() > kMaxFileBytes ||
        ReadFileWhole(file_, bytes) != WholeFileRead::Ok || !adopt(std::move(bytes))) {
        // Written anew at the next Flush.
        dirty_ = true;
    }
}

bool TagCache::adopt(QByteArray bytes) {
    data_ = std::move(bytes);
    if (indexRecords()) {
        return true;
    }
    data_.clear();
    index_ = Index();
    recordCount_ = 0;
    return false;
}

bool TagCache::indexRecords() {
    index_ = Index();
    recordCount_ = 0;
    const qsizetype size = data_.size();
    if (size < kHeaderBytes) {
        return false;
    }
    const char* base = data_.constData();
    const uint32_t count = load<uint32_t>(base + kCountAt);
    if (load<uint32_t>(base + kMagicAt) != kMagic ||
        load<uint32_t>(base + kVersionAt) != kVersion || count > uint32_t(kMaxRecords) ||
        load<uint64_t>(base + kPayloadAt) != uint64_t(size - kHeaderBytes) ||
        uint32_t(crc32_z(0, reinterpret_cast<const Bytef*>(base + kHeaderBytes),
                         size_t(size - kHeaderBytes))) != load<uint32_t>(base + kCrcAt)) {
        return false;
    }
    size_t slotCount = 16;
    while (slotCount < size_t(count) * 2 + 2) {
        slotCount *= 2;
    }
    index_.slots.assign(slotCount, Slot{});
    qsizetype at = kHeaderBytes;
    uint32_t seen = 0;
    while (at < size) {
        const qsizetype room = size - at;
        if (room < kFixedBytes || seen == count) {
            return false;
        }
        const char* record = base + at;
        const uint32_t length = load<uint32_t>(record + kLengthAt);
        const uint8_t mapping = load<uint8_t>(record + kMappingAt);
        if (length < kFixedBytes || length % 8 != 0 || qsizetype(length) > room ||
            recordLength(record, length) != qsizetype(length) ||
            (mapping != MappingNone && mapping != MappingTag) ||
            load<uint8_t>(record + kStateAt) != Untouched ||
            load<uint8_t>(record + kAgeAt) > kMaxAge) {
            return false;
        }
        uint16_t pathBytes = 0;
        const char* path = recordPath(record, pathBytes);
        const uint32_t hash = pathHash(path, pathBytes);
        if (find(path, pathBytes, hash) >= 0) {
            return false;  // this program never writes a path twice
        }
        index_.insert(hash, at);
        ++seen;
        at += length;
    }
    if (seen != count) {
        return false;
    }
    recordCount_ = int(count);
    return true;
}

void TagCache::Index::insert(uint32_t hash, qsizetype offset) {
    if (size_t(count + 1) * 2 > slots.size()) {
        std::vector<Slot> old = std::move(slots);
        slots.assign(std::max<size_t>(16, old.size() * 2), Slot{});
        const size_t mask = slots.size() - 1;
        for (const Slot& slot : old) {
            if (slot.offset != 0) {
                size_t i = slot.hash & mask;
                while (slots[i].offset != 0) {
                    i = (i + 1) & mask;
                }
                slots[i] = slot;
            }
        }
    }
    const size_t mask = slots.size() - 1;
    size_t i = hash & mask;
    while (slots[i].offset != 0) {
        i = (i + 1) & mask;
    }
    slots[i] = Slot{hash, uint32_t(offset + 1)};
    ++count;
}

TagCache::Slot* TagCache::Index::find(const QByteArray& records, const char* path, qsizetype length,
                                      uint32_t hash) {
    if (slots.empty()) {
        return nullptr;
    }
    const size_t mask = slots.size() - 1;
    for (size_t i = hash & mask; slots[i].offset != 0; i = (i + 1) & mask) {
        if (slots[i].hash != hash) {
            continue;
        }
        uint16_t bytes = 0;
        const char* stored =
            recordPath(records.constData() + qsizetype(slots[i].offset) - 1, bytes);
        if (bytes == length && std::memcmp(stored, path, size_t(length)) == 0) {
            return &slots[i];
        }
    }
    return nullptr;
}

const TagCache::Slot* TagCache::Index::find(const QByteArray& records, const char* path,
                                            qsizetype length, uint32_t hash) const {
    return const_cast<Index*>(this)->find(records, path, length, hash);
}

qsizetype TagCache::find(const char* path, qsizetype length, uint32_t hash) const {
    const Slot* slot = index_.find(data_, path, length, hash);
    return slot != nullptr ? qsizetype(slot->offset) - 1 : -1;
}

bool TagCache::Take(const QByteArray& localPath, const struct stat& info, uint32_t optionsKey,
                    TrackEntry& entry, ReadFacts& facts) {
    ensureLoaded();
    const char* record = nullptr;
    qsizetype inData = -1;
    const uint32_t hash = pathHash(localPath.constData(), localPath.size());
    if (const Slot* kept =
            pendingIndex_.find(pending_, localPath.constData(), localPath.size(), hash)) {
        record = pending_.constData() + qsizetype(kept->offset) - 1;
    } else if (recordCount_ > 0) {
        inData = find(localPath.constData(), localPath.size(), hash);
        if (inData >= 0 && uint8_t(data_.at(inData + kStateAt)) != Dead) {
            record = data_.constData() + inData;
        }
    }
    if (record == nullptr || load<uint32_t>(record + kKeyAt) != optionsKey ||
        load<int64_t>(record + kSizeAt) != int64_t(info.st_size) ||
        load<int64_t>(record + kMtimeAt) != mtimeNs(info)) {
        ++misses_;
        return false;
    }
    readRecord(record, entry, facts);
    if (inData >= 0) {
        data_[inData + kStateAt] = char(Used);
    }
    ++hits_;
    return true;
}

void TagCache::Keep(const QByteArray& localPath, const struct stat& info, uint32_t optionsKey,
                    const TrackEntry& entry, const ReadFacts& facts) {
    if (file_.isEmpty() || !S_ISREG(info.st_mode) || !fitsRecord(entry, localPath)) {
        return;
    }
    // A file written a moment ago could change again without its time moving.
    const int64_t age = nowNs() - mtimeNs(info);
    if (age < kSettleNs) {
        return;
    }
    ensureLoaded();
    const uint32_t hash = pathHash(localPath.constData(), localPath.size());
    if (Slot* kept = pendingIndex_.find(pending_, localPath.constData(), localPath.size(), hash)) {
        pending_[qsizetype(kept->offset) - 1 + kStateAt] = char(Dead);
        kept->offset = uint32_t(pending_.size() + 1);
    } else {
        pendingIndex_.insert(hash, pending_.size());
    }
    const qsizetype old = find(localPath.constData(), localPath.size(), hash);
    if (old >= 0) {
        data_[old + kStateAt] = char(Dead);
    }
    appendRecord(pending_, localPath, info, optionsKey, entry, facts);
    dirty_ = true;
}

void TagCache::eachRecordToWrite(
    const std::function<void(const char* record, uint8_t age)>& take) const {
    uint32_t count = 0;
    for (qsizetype at = 0; at < pending_.size() && count < uint32_t(kMaxRecords);
         at += load<uint32_t>(pending_.constData() + at + kLengthAt)) {
        if (load<uint8_t>(pending_.constData() + at + kStateAt) != Dead) {
            take(pending_.constData() + at, 0);
            ++count;
        }
    }
    // Those used last first, so that the cap drops the oldest.
    if (recordCount_ > 0) {
        for (int level = 0; level <= kMaxAge; ++level) {
            for (qsizetype at = kHeaderBytes; at < data_.size() && count < uint32_t(kMaxRecords);
                 at += load<uint32_t>(data_.constData() + at + kLengthAt)) {
                const char* record = data_.constData() + at;
                const uint8_t state = load<uint8_t>(record + kStateAt);
                const int age = state == Used ? 0 : load<uint8_t>(record + kAgeAt) + 1;
                if (state != Dead && age == level) {
                    take(record, uint8_t(age));
                    ++count;
                }
            }
        }
    }
}

// Two passes over the records, one for the header's count and checksum and one
// to write them, so that no second copy of the whole cache is ever made.
bool TagCache::writeFile() const {
    QByteArray block;
    auto stamped = [&block](const char* record, uint8_t age) {
        const qsizetype at = block.size();
        block.append(record, load<uint32_t>(record + kLengthAt));
        store<uint8_t>(block.data() + at + kAgeAt, age);
        store<uint8_t>(block.data() + at + kStateAt, Untouched);
    };
    uint32_t count = 0;
    qint64 payload = 0;
    uLong crc = crc32_z(0, nullptr, 0);
    eachRecordToWrite([&](const char* record, uint8_t age) {
        block.clear();
        stamped(record, age);
        crc = crc32_z(crc, reinterpret_cast<const Bytef*>(block.constData()), size_t(block.size()));
        payload += block.size();
        ++count;
    });
    QByteArray header(kHeaderBytes, '\0');
    store<uint32_t>(header.data() + kMagicAt, kMagic);
    store<uint32_t>(header.data() + kVersionAt, kVersion);
    store<uint32_t>(header.data() + kCountAt, count);
    store<uint32_t>(header.data() + kCrcAt, uint32_t(crc));
    store<uint64_t>(header.data() + kPayloadAt, uint64_t(payload));
    constexpr qsizetype kBlockBytes = 64 * 1024;
    return SaveFileWhole(file_, kHeaderBytes + payload, [&](const ByteSink& put) {
        bool ok = put(header);
        block.clear();
        eachRecordToWrite([&](const char* record, uint8_t age) {
            stamped(record, age);
            if (block.size() >= kBlockBytes) {
                ok = ok && put(block);
                block.clear();
            }
        });
        return ok && put(block);
    });
}

bool TagCache::Flush() {
    if (loaded_ && dirty_ && !file_.isEmpty()) {
        if (!QDir().mkpath(QFileInfo(file_).absolutePath()) || !writeFile()) {
            return false;  // what was kept stays for the next try
        }
    }
    // The list has what it needs: the memory goes, and a later build reads the
    // file again.
    data_ = QByteArray();
    index_ = Index();
    recordCount_ = 0;
    pending_ = QByteArray();
    pendingIndex_ = Index();
    loaded_ = false;
    dirty_ = false;
    return true;
}
