#include "jukebox/tracklist/tag_cache.h"

#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "jukebox/common/path_functions.h"
#include "jukebox/common/whole_file.h"
#include "taglib/file_range.h"
#include "taglib/tag_record.h"

namespace {

constexpr uint32_t kMagic = 0x43544C56;  // "VLTC" on a little-endian machine
constexpr qsizetype kHeaderBytes = 32;
constexpr qsizetype kFixedBytes = 48;
constexpr qsizetype kScoreBytes = 2 + 8 * CodePageScores::kCandidateCount;
constexpr int kTextCount = 6;
constexpr int kMaxTextUnits = 4096;
constexpr qsizetype kMaxPathBytes = 4096;
// The longest record there can be: scores, every text at its longest, the path.
constexpr qsizetype kMaxRecordBytes =
    kFixedBytes + kScoreBytes + kTextCount * (2 + 2 * kMaxTextUnits) + kMaxPathBytes + 8;
// Lookups follow the list, which mostly follows the file: a small window
// serves many of them. Passes over the whole file read larger pieces.
constexpr qsizetype kLookupWindow = 16 * 1024;
constexpr qsizetype kScanWindow = 256 * 1024;
constexpr uint8_t kXingBit = 1u << 6;
constexpr uint8_t kDetectedBit = 1u << 7;

// Header fields.
constexpr qsizetype kMagicAt = 0, kVersionAt = 4, kCountAt = 8, kCrcAt = 12, kPayloadAt = 16;
// Record fields.
constexpr qsizetype kLengthAt = 0, kKeyAt = 4, kSizeAt = 8, kMtimeAt = 16, kPathLengthAt = 24,
                    kFlagsAt = 26, kAgeAt = 27, kMappingAt = 28, kStateAt = 29, kCodePageAt = 32,
                    kDurationAt = 36, kBitrateAt = 40;

// The record at offset of a file read through window, whole and holding
// together; nullptr when it cannot be read or is damaged (the file may have
// been changed by another hand since it was checked).
template <typename Window>
const char* wholeRecord(Window& window, qint64 offset);

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

// Eight bytes a step: a list's paths are long. Kept in memory only, never written.
uint32_t pathHash(const char* bytes, qsizetype length) {
    uint64_t hash = 0x9E3779B97F4A7C15ull ^ uint64_t(length);
    qsizetype at = 0;
    for (; at + 8 <= length; at += 8) {
        hash = (hash ^ load<uint64_t>(bytes + at)) * 0xFF51AFD7ED558CCDull;
        hash ^= hash >> 32;
    }
    uint64_t tail = 0;
    std::memcpy(&tail, bytes + at, size_t(length - at));
    hash = (hash ^ tail) * 0xC4CEB9FE1A85EC53ull;
    hash ^= hash >> 29;
    return uint32_t(hash);
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

// last: per text, the one read last; an equal text shares it rather than
// being made again (the tracks of an album follow each other).
void readRecord(const char* record, TrackEntry& entry, TagCache::ReadFacts& facts,
                std::array<QString, kTextCount>& last) {
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
            const QStringView text(reinterpret_cast<const char16_t*>(record + at + 2), units);
            if (text != last[size_t(i)]) {
                last[size_t(i)] = text.toString();
            }
            entry.*kTexts[i].text = last[size_t(i)];
            at += 2 + 2 * qsizetype(units);
        }
    }
}

template <typename Window>
const char* wholeRecord(Window& window, qint64 offset) {
    const char* head = window.at(offset, kFixedBytes);
    if (head == nullptr) {
        return nullptr;
    }
    const uint32_t length = load<uint32_t>(head + kLengthAt);
    const uint8_t mapping = load<uint8_t>(head + kMappingAt);
    if (length < kFixedBytes || length % 8 != 0 || qsizetype(length) > kMaxRecordBytes ||
        (mapping != MappingNone && mapping != MappingTag)) {
        return nullptr;
    }
    const char* record = window.at(offset, length);
    return record != nullptr && recordLength(record, length) == qsizetype(length) ? record
                                                                                  : nullptr;
}

}  // namespace

void TagCache::Window::reset(int fd, qint64 size) {
    fd_ = fd;
    size_ = size;
    start_ = 0;
    buffer_.truncate(0);
}

const char* TagCache::Window::at(qint64 offset, qsizetype length) {
    if (fd_ < 0 || offset < 0 || length <= 0 || offset + length > size_) {
        return nullptr;
    }
    if (offset >= start_ && offset + length <= start_ + buffer_.size()) {
        return buffer_.constData() + (offset - start_);
    }
    // The window starts at the record asked for, so that records stay 8-aligned.
    const qsizetype want = qsizetype(std::min<qint64>(std::max(chunk_, length), size_ - offset));
    buffer_.resize(want);
    start_ = offset;
    // A file cut short meanwhile (by someone else) gives nothing: a miss.
    if (!ReadFileRange(fd_, buffer_.data(), size_t(want), offset)) {
        buffer_.truncate(0);
        return nullptr;
    }
    return buffer_.constData();
}

void TagCache::Window::release() {
    fd_ = -1;
    size_ = 0;
    start_ = 0;
    buffer_ = QByteArray();
}

TagCache::TagCache(QString file, qsizetype spillBytes)
    : file_(std::move(file)),
      spillBytes_(std::max<qsizetype>(1, spillBytes)),
      dataWindow_(kLookupWindow),
      spillWindow_(kLookupWindow) {}

TagCache::~TagCache() {
    if (dataFd_ >= 0) {
        ::close(dataFd_);
    }
    if (spillFd_ >= 0) {
        ::close(spillFd_);
    }
}

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
    // Non-blocking, so that a FIFO of that name cannot hang the start.
    const int fd = ::open(LocalPathBytes(file_).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        dirty_ = errno != ENOENT;  // what is there is written over at the next Flush
        return;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMaxFileBytes) {
        ::close(fd);
        dirty_ = true;
        return;
    }
    dataFd_ = fd;
    dataSize_ = info.st_size;
    if (!indexFile()) {
        forgetFile();
        dirty_ = true;  // written anew at the next Flush
    }
}

void TagCache::forgetFile() {
    if (dataFd_ >= 0) {
        ::close(dataFd_);
    }
    dataFd_ = -1;
    dataSize_ = 0;
    dataWindow_.release();
    index_ = Index();
    states_ = std::vector<uint8_t>();
    ages_ = std::vector<uint8_t>();
    recordCount_ = 0;
}

const char* TagCache::keptRecord(Window& window, qint64 offset) {
    if (offset >= spilled_) {
        const qint64 inBlock = offset - spilled_;
        return inBlock < pending_.size() ? pending_.constData() + inBlock : nullptr;
    }
    return wholeRecord(window, offset);
}

bool TagCache::indexFile() {
    Window scan(kScanWindow);
    scan.reset(dataFd_, dataSize_);
    const char* header = scan.at(0, kHeaderBytes);
    if (header == nullptr) {
        return false;
    }
    const uint32_t count = load<uint32_t>(header + kCountAt);
    const uint32_t wantedCrc = load<uint32_t>(header + kCrcAt);
    if (load<uint32_t>(header + kMagicAt) != kMagic ||
        load<uint32_t>(header + kVersionAt) != kVersion || count > uint32_t(kMaxRecords) ||
        load<uint64_t>(header + kPayloadAt) != uint64_t(dataSize_ - kHeaderBytes)) {
        return false;
    }
    index_.reserve(count);
    index_.offsets.reserve(count);
    states_.assign(count, Untouched);
    ages_.assign(count, 0);
    dataWindow_.reset(dataFd_, dataSize_);
    auto inData = [this](qint64 offset) { return wholeRecord(dataWindow_, offset); };
    uLong crc = crc32_z(0, nullptr, 0);
    qint64 at = kHeaderBytes;
    uint32_t seen = 0;
    while (at < dataSize_) {
        if (seen == count) {
            return false;
        }
        const char* record = wholeRecord(scan, at);
        if (record == nullptr || load<uint8_t>(record + kStateAt) != Untouched ||
            load<uint8_t>(record + kAgeAt) > kMaxAge) {
            return false;
        }
        const uint32_t length = load<uint32_t>(record + kLengthAt);
        crc = crc32_z(crc, reinterpret_cast<const Bytef*>(record), length);
        uint16_t pathBytes = 0;
        const char* path = recordPath(record, pathBytes);
        const uint32_t hash = pathHash(path, pathBytes);
        // The lookup reads through the other window: record stays valid.
        if (index_.find(inData, path, pathBytes, hash) != nullptr) {
            return false;  // this program never writes a path twice
        }
        ages_[seen] = load<uint8_t>(record + kAgeAt);
        index_.insert(hash, index_.add(at));
        ++seen;
        at += length;
    }
    if (seen != count || uint32_t(crc) != wantedCrc) {
        return false;
    }
    recordCount_ = int(count);
    return true;
}

uint32_t TagCache::Index::add(qint64 offset) {
    offsets.push_back(uint32_t(offset));
    return uint32_t(offsets.size() - 1);
}

void TagCache::Index::reserve(size_t records) {
    // At most three quarters full; any size (not only powers of two), so
    // that a cache of 100,000 records does not take room for 262,144.
    const size_t wanted = std::max<size_t>(16, records + records / 3 + 1);
    if (wanted <= slots.size()) {
        return;
    }
    std::vector<Slot> old = std::move(slots);
    slots.assign(wanted, Slot{});
    for (const Slot& slot : old) {
        if (slot.ordinal != 0) {
            size_t i = home(slot.hash);
            while (slots[i].ordinal != 0) {
                i = i + 1 == slots.size() ? 0 : i + 1;
            }
            slots[i] = slot;
        }
    }
}

void TagCache::Index::insert(uint32_t hash, uint32_t ordinal) {
    if (size_t(count + 1) * 4 > slots.size() * 3) {
        reserve(std::max<size_t>(16, slots.size() + slots.size() / 2) * 3 / 4);
    }
    size_t i = home(hash);
    while (slots[i].ordinal != 0) {
        i = i + 1 == slots.size() ? 0 : i + 1;
    }
    slots[i] = Slot{hash, ordinal + 1};
    ++count;
}

template <typename RecordAt>
TagCache::Slot* TagCache::Index::find(const RecordAt& recordAt, const char* path, qsizetype length,
                                      uint32_t hash) {
    if (slots.empty()) {
        return nullptr;
    }
    for (size_t i = home(hash); slots[i].ordinal != 0; i = i + 1 == slots.size() ? 0 : i + 1) {
        if (slots[i].hash != hash) {
            continue;
        }
        const char* record = recordAt(offsetOf(slots[i]));
        if (record == nullptr) {
            continue;
        }
        uint16_t bytes = 0;
        const char* stored = recordPath(record, bytes);
        if (bytes == length && std::memcmp(stored, path, size_t(length)) == 0) {
            return &slots[i];
        }
    }
    return nullptr;
}

bool TagCache::Take(const QByteArray& localPath, const struct stat& info, uint32_t optionsKey,
                    TrackEntry& entry, ReadFacts& facts) {
    ensureLoaded();
    auto kept = [this](qint64 offset) { return keptRecord(spillWindow_, offset); };
    auto inData = [this](qint64 offset) { return wholeRecord(dataWindow_, offset); };
    const char* record = nullptr;
    int64_t ordinal = -1;
    const uint32_t hash = pathHash(localPath.constData(), localPath.size());
    if (const Slot* slot =
            pendingIndex_.find(kept, localPath.constData(), localPath.size(), hash)) {
        record = kept(pendingIndex_.offsetOf(*slot));
    } else if (recordCount_ > 0) {
        const Slot* found = index_.find(inData, localPath.constData(), localPath.size(), hash);
        if (found != nullptr && states_[found->ordinal - 1] != Dead) {
            record = inData(index_.offsetOf(*found));
            ordinal = found->ordinal - 1;
        }
    }
    if (record == nullptr || load<uint32_t>(record + kKeyAt) != optionsKey ||
        load<int64_t>(record + kSizeAt) != int64_t(info.st_size) ||
        load<int64_t>(record + kMtimeAt) != mtimeNs(info)) {
        ++misses_;
        return false;
    }
    readRecord(record, entry, facts, lastTexts_);
    if (ordinal >= 0) {
        states_[size_t(ordinal)] = Used;
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
    // Without room in the side file only a block is kept; and never more than
    // a cache file may hold.
    if ((spillFailed_ && pending_.size() >= spillBytes_) ||
        spilled_ + pending_.size() + kMaxRecordBytes > kMaxFileBytes) {
        return;
    }
    auto kept = [this](qint64 offset) { return keptRecord(spillWindow_, offset); };
    auto inData = [this](qint64 offset) { return wholeRecord(dataWindow_, offset); };
    const uint32_t hash = pathHash(localPath.constData(), localPath.size());
    const qint64 offset = spilled_ + pending_.size();
    Slot* slot = pendingIndex_.find(kept, localPath.constData(), localPath.size(), hash);
    const uint32_t ordinal = pendingIndex_.add(offset);
    if (slot != nullptr) {
        pendingDead_[slot->ordinal - 1] = true;
        slot->ordinal = ordinal + 1;
    } else {
        pendingIndex_.insert(hash, ordinal);
    }
    if (recordCount_ > 0) {
        if (const Slot* old = index_.find(inData, localPath.constData(), localPath.size(), hash)) {
            states_[old->ordinal - 1] = Dead;
        }
    }
    if (pending_.capacity() < spillBytes_ + kMaxRecordBytes) {
        pending_.reserve(spillBytes_ + kMaxRecordBytes);
    }
    appendRecord(pending_, localPath, info, optionsKey, entry, facts);
    pendingDead_.push_back(false);
    dirty_ = true;
    if (pending_.size() >= spillBytes_ && !spillFailed_) {
        spillFailed_ = !spill();
    }
}

bool TagCache::spill() {
    if (spillFd_ < 0) {
        const QString folder = QFileInfo(file_).absolutePath();
        if (!QDir().mkpath(folder)) {
            return false;
        }
        // Unnamed, so that it goes with the process however that ends.
        const QByteArray bytes = LocalPathBytes(folder);
        spillFd_ = ::open(bytes.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
        if (spillFd_ < 0) {
            // A file system without unnamed files: a named one, unlinked at once.
            QByteArray name = bytes + "/.velorine-spill-XXXXXX";
            spillFd_ = ::mkostemp(name.data(), O_CLOEXEC);
            if (spillFd_ >= 0) {
                ::unlink(name.constData());
            }
        }
        if (spillFd_ < 0) {
            return false;
        }
    }
    if (!WriteFileRange(spillFd_, pending_.constData(), size_t(pending_.size()), spilled_)) {
        return false;  // the block stays in memory
    }
    spilled_ += pending_.size();
    pending_.truncate(0);
    spillWindow_.reset(spillFd_, spilled_);
    return true;
}

bool TagCache::eachRecordToWrite(const std::function<void(const char* record, uint8_t age)>& take) {
    uint32_t count = 0;
    Window scan(kScanWindow);
    scan.reset(spillFd_, spilled_);
    qint64 at = 0;
    for (size_t ordinal = 0; ordinal < pendingDead_.size() && count < uint32_t(kMaxRecords);
         ++ordinal) {
        const char* record = keptRecord(scan, at);
        if (record == nullptr) {
            return false;
        }
        if (!pendingDead_[ordinal]) {
            take(record, 0);
            ++count;
        }
        at += load<uint32_t>(record + kLengthAt);
    }
    if (recordCount_ == 0) {
        return true;
    }
    // Those used last first, so that the cap drops the oldest.
    auto levelOf = [this](size_t ordinal) {
        return states_[ordinal] == Dead   ? kMaxAge + 1
               : states_[ordinal] == Used ? 0
                                          : ages_[ordinal] + 1;
    };
    std::array<uint32_t, kMaxAge + 2> perLevel{};
    for (size_t ordinal = 0; ordinal < states_.size(); ++ordinal) {
        ++perLevel[size_t(levelOf(ordinal))];
    }
    scan.reset(dataFd_, dataSize_);
    for (int level = 0; level <= kMaxAge; ++level) {
        uint32_t left = perLevel[size_t(level)];
        at = kHeaderBytes;
        for (size_t ordinal = 0; left > 0 && count < uint32_t(kMaxRecords); ++ordinal) {
            const char* record = wholeRecord(scan, at);
            if (record == nullptr) {
                return false;
            }
            if (levelOf(ordinal) == level) {
                take(record, uint8_t(level));
                ++count;
                --left;
            }
            at += load<uint32_t>(record + kLengthAt);
        }
    }
    return true;
}

// Two passes over the records, one for the header's count and checksum and one
// to write them, so that no second copy of the whole cache is ever made.
bool TagCache::writeFile() {
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
    const bool readable = eachRecordToWrite([&](const char* record, uint8_t age) {
        block.clear();
        stamped(record, age);
        crc = crc32_z(crc, reinterpret_cast<const Bytef*>(block.constData()), size_t(block.size()));
        payload += block.size();
        ++count;
    });
    if (!readable) {
        return false;
    }
    QByteArray header(kHeaderBytes, '\0');
    store<uint32_t>(header.data() + kMagicAt, kMagic);
    store<uint32_t>(header.data() + kVersionAt, kVersion);
    store<uint32_t>(header.data() + kCountAt, count);
    store<uint32_t>(header.data() + kCrcAt, uint32_t(crc));
    store<uint64_t>(header.data() + kPayloadAt, uint64_t(payload));
    constexpr qsizetype kBlockBytes = 64 * 1024;
    // The old file is read as the new one is written: it must not be written over.
    return SaveFileWhole(
        file_, kHeaderBytes + payload,
        [&](const ByteSink& put) {
            bool ok = put(header);
            block.clear();
            ok = eachRecordToWrite([&](const char* record, uint8_t age) {
                     stamped(record, age);
                     if (block.size() >= kBlockBytes) {
                         ok = ok && put(block);
                         block.clear();
                     }
                 }) &&
                 ok;
            return ok && put(block);
        },
        {}, dataFd_ < 0);
}

bool TagCache::Flush() {
    if (loaded_ && dirty_ && !file_.isEmpty()) {
        if (!QDir().mkpath(QFileInfo(file_).absolutePath()) || !writeFile()) {
            return false;  // what was kept stays for the next try
        }
    }
    // The list has what it needs: everything goes, and a later build reads the
    // file again.
    forgetFile();
    if (spillFd_ >= 0) {
        ::close(spillFd_);
    }
    spillFd_ = -1;
    spilled_ = 0;
    spillFailed_ = false;
    spillWindow_.release();
    pending_ = QByteArray();
    pendingIndex_ = Index();
    pendingDead_ = std::vector<bool>();
    lastTexts_ = {};
    loaded_ = false;
    dirty_ = false;
    return true;
}
