#include "taglib/tag_record.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstring>
#include <utility>

#include "taglib/file_range.h"
#include "taglib/genre_table.h"
#include "taglib/local_path.h"

namespace {

constexpr int kTitleOffset = 3;
constexpr int kArtistOffset = 33;
constexpr int kAlbumOffset = 63;
constexpr int kYearOffset = 93;
constexpr int kCommentOffset = 97;
constexpr int kGenreOffset = 127;
// ID3v1.1 keeps a track number in the last comment byte behind a zero byte.
constexpr int kTrackZeroOffset = kCommentOffset + 28;
constexpr int kTrackOffset = kCommentOffset + 29;
constexpr int kCommentWidthWithTrack = 28;

constexpr int kFirstMarkerByte = 248;
constexpr int kLastMarkerByte = 254;

// The MPEG header search looks at 4-byte groups below this offset.
constexpr int kMpegSearchLimit = 4096;
// The Xing tag sits 36 bytes after the frame header; its frame count 44 bytes after.
constexpr int kXingTagOffset = 36;
constexpr int kXingFramesOffset = 44;

bool hasTagMarker(const uint8_t* block) {
    return block[0] == 'T' && block[1] == 'A' && block[2] == 'G';
}

bool endsInMp3(std::u16string_view path) {
    if (path.size() < 3) {
        return false;
    }
    auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
    std::u16string_view tail = path.substr(path.size() - 3);
    return lower(tail[0]) == u'm' && lower(tail[1]) == u'p' && tail[2] == u'3';
}

bool readAt(int fd, uint8_t* buffer, size_t size, int64_t offset) {
    return ReadFileRange(fd, buffer, size, offset);
}

bool writeAt(int fd, const uint8_t* buffer, size_t size, int64_t offset) {
    return WriteFileRange(fd, buffer, size, offset);
}

int bitrateFromTable(int versionBits, int layerBits, int index) {
    static constexpr std::array<std::array<int16_t, 14>, 5> kTables = {{
        {32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},  // MPEG-1 Layer I
        {32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},     // MPEG-1 Layer II
        {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},      // MPEG-1 Layer III
        {32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},     // MPEG-2 Layer I
        {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},          // all others
    }};
    if (index < 1 || index > 14) {
        return 0;  // free format or invalid
    }
    size_t table = 4;
    if (versionBits == 3 && layerBits == 3) {
        table = 0;
    } else if (versionBits == 3 && layerBits == 2) {
        table = 1;
    } else if (versionBits == 3 && layerBits == 1) {
        table = 2;
    } else if (versionBits == 2 && layerBits == 3) {
        table = 3;
    }
    return kTables[table][static_cast<size_t>(index - 1)];
}

// The code page a marker byte names, or -1 for a genre byte that names none
// (genres, 252, 253, 255).
int markerCodePage(int g) {
    switch (g) {
        case 248:
            return CodePage::Big5;
        case 249:
            return CodePage::ShiftJis;
        case 250:
            return CodePage::Gb;
        case 251:
            return CodePage::Ksc;
        case 254:
            return CodePage::Utf8;
        default:
            return -1;
    }
}

}  // namespace

TagRecord::TagRecord(const CodePageConverter& converter) : converter_(converter) {}

TagRecord::~TagRecord() {
    if (isOpen) {
        close();
    }
}

void TagRecord::clearTexts() {
    title.clear();
    artist.clear();
    album.clear();
    year.clear();
    comment.clear();
    genreText.clear();
}

bool TagRecord::open(std::u16string_view path) {
    if (isOpen) {
        close();
    }
    genreIndex = kGenreNeverRead;
    track = 0;
    clearTexts();
    if (!endsInMp3(path)) {
        return false;
    }
    std::string localPath = Utf16ToLocalPath(path);
    // Non-blocking so that a FIFO named *.mp3 cannot hang the open; only regular
    // files are kept.
    int flags = (accessMode == kReadOnly ? O_RDONLY : O_RDWR) | O_CLOEXEC | O_NONBLOCK;
    int fd = ::open(localPath.c_str(), flags);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    // O_NONBLOCK has no effect on a regular file, so it may stay.
    fd_ = fd;
    length_ = info.st_size;
    path_ = std::move(localPath);
    isOpen = true;
    return true;
}

bool TagRecord::close() {
    if (!isOpen) {
        return false;
    }
    int result = ::close(fd_);
    fd_ = -1;
    isOpen = false;
    return result == 0;
}

int64_t TagRecord::fileLength() const {
    return isOpen ? length_ : -1;
}

void TagRecord::refreshLength() {
    struct stat info {};
    length_ = fstat(fd_, &info) == 0 ? info.st_size : -1;
}

bool TagRecord::readLastBlock(uint8_t* block) const {
    int64_t length = fileLength();
    return length >= kBlockSize && readAt(fd_, block, kBlockSize, length - kBlockSize);
}

int TagRecord::codePageForGenreByte(int g) const {
    if (!autoTranslate) {
        return CodePage::Ansi;
    }
    int marked = markerCodePage(g);
    return marked >= 0 ? marked : defaultCodePage;
}

void TagRecord::chooseCodePage(const uint8_t* block) {
    int g = block[kGenreOffset];
    if (selectCodePage && autoTranslate && markerCodePage(g) >= 0) {
        codePage = markerCodePage(g);
        codePageSource = CodePageSource::Marker;
    } else if (autoDetect) {
        codePageScores = blockScores(block);
        CodePageGuess guess =
            vote ? vote->decide(codePageScores) : CodePageDetector::Decide(codePageScores);
        codePage = guess.codePage;
        codePageConfidence = guess.confidence;
        codePageSource = CodePageSource::Detected;
    } else if (selectCodePage) {
        codePage = codePageForGenreByte(g);
    }
}

bool TagRecord::read() {
    uint8_t block[kBlockSize] = {};
    bool haveBlock = readLastBlock(block);
    return readBlock(haveBlock ? block : nullptr);
}

bool TagRecord::readBlock(const uint8_t* block) {
    clearTexts();
    genreIndex = 0;
    track = 0;
    codePageSource = CodePageSource::Given;
    codePageScores = CodePageScores{};
    codePageConfidence = 0;
    if (block == nullptr || !hasTagMarker(block)) {
        return false;
    }
    if (block[kTrackZeroOffset] == 0) {
        track = block[kTrackOffset];
    }
    int g = block[kGenreOffset];
    genreIndex = static_cast<uint16_t>(g);
    chooseCodePage(block);
    if (g > 147) {
        genreIndex = static_cast<uint16_t>(g - 100);
    }
    decodeField(title, block + kTitleOffset, kTextWidth);
    decodeField(artist, block + kArtistOffset, kTextWidth);
    decodeField(album, block + kAlbumOffset, kTextWidth);
    decodeField(year, block + kYearOffset, kYearWidth);
    decodeField(comment, block + kCommentOffset, kTextWidth);
    genreText = genreName(genreIndex);
    return true;
}

bool TagRecord::scoreBlock(CodePageScores& scores) const {
    uint8_t block[kBlockSize] = {};
    if (!readLastBlock(block) || !hasTagMarker(block)) {
        return false;
    }
    scores = blockScores(block);
    return true;
}

CodePageScores TagRecord::blockScores(const uint8_t* block) {
    const auto* bytes = reinterpret_cast<const char*>(block);
    const std::array<std::string_view, 5> fields = {
        std::string_view(bytes + kTitleOffset, kTextWidth),
        std::string_view(bytes + kArtistOffset, kTextWidth),
        std::string_view(bytes + kAlbumOffset, kTextWidth),
        std::string_view(bytes + kYearOffset, kYearWidth),
        std::string_view(bytes + kCommentOffset, kTextWidth)};
    return CodePageDetector::Score(fields.data(), fields.size());
}

bool TagRecord::write() {
    return writeFields(kAllFields);
}

bool TagRecord::writeFields(unsigned fields) {
    if (accessMode == kReadOnly || !isOpen) {
        return false;
    }
    if ((fields & (kAllFields | kTrackField)) == 0) {
        return true;  // nothing to change: the file, its time included, stays as it was
    }
    TagChange change;
    if (!plannedWrite(fields, change)) {
        return false;
    }
    if (beforeChange && !beforeChange(change)) {
        return false;
    }
    return putBlock(change);
}

bool TagRecord::plannedWrite(unsigned fields, TagChange& change) const {
    if (fileLength() < 0) {
        return false;
    }
    uint8_t old[kBlockSize] = {};
    bool haveLast = readLastBlock(old);
    bool replacing = haveLast && hasTagMarker(old);
    uint8_t block[kBlockSize] = {};
    composeBlock(block, fields, old, replacing);
    return changeFor(block, old, haveLast, replacing, change);
}

bool TagRecord::changeFor(const uint8_t* block, const uint8_t* old, bool haveLast, bool replacing,
                          TagChange& change) const {
    int64_t length = fileLength();
    if (length < 0) {
        return false;
    }
    change.path = path_;
    change.sizeBefore = length;
    change.hadTag = replacing;
    if (haveLast) {
        change.tailBefore.assign(reinterpret_cast<const char*>(old), kBlockSize);
    } else if (!readTail(length, change.tailBefore)) {
        return false;
    }
    change.sizeAfter = replacing ? length : length + kBlockSize;
    change.tailAfter.assign(reinterpret_cast<const char*>(block), kBlockSize);
    return true;
}

bool TagRecord::readTail(int64_t end, std::string& tail) const {
    int64_t start = std::max<int64_t>(0, end - kBlockSize);
    tail.resize(static_cast<size_t>(end - start));
    return readAt(fd_, reinterpret_cast<uint8_t*>(tail.data()), tail.size(), start);
}

void TagRecord::composeBlock(uint8_t* block, unsigned fields, const uint8_t* old,
                             bool hadBlock) const {
    if (hadBlock) {
        std::memcpy(block, old, kBlockSize);
    } else {
        emptyBlock(block);
    }
    encodeFields(block, fields, old, hadBlock);
}

bool TagRecord::lastBlock(uint8_t* block, bool& hasTag) const {
    hasTag = false;
    if (!readLastBlock(block)) {
        return false;
    }
    hasTag = hasTagMarker(block);
    return true;
}

bool TagRecord::writeBlock(const uint8_t* block) {
    if (accessMode == kReadOnly || !isOpen || !hasTagMarker(block)) {
        return false;
    }
    uint8_t old[kBlockSize] = {};
    bool haveLast = readLastBlock(old);
    TagChange change;
    if (!changeFor(block, old, haveLast, haveLast && hasTagMarker(old), change)) {
        return false;
    }
    if (beforeChange && !beforeChange(change)) {
        return false;
    }
    return putBlock(change);
}

void TagRecord::emptyBlock(uint8_t* block) const {
    std::memset(block, 0, kBlockSize);
    block[0] = 'T';
    block[1] = 'A';
    block[2] = 'G';
    for (int offset : {kTitleOffset, kArtistOffset, kAlbumOffset, kCommentOffset}) {
        encodeField(block + offset, u"", kTextWidth);
    }
    encodeField(block + kYearOffset, u"", kYearWidth);
}

void TagRecord::encodeFields(uint8_t* block, unsigned fields, const uint8_t* old,
                             bool hadBlock) const {
    if (fields & kTitleField) {
        encodeField(block + kTitleOffset, title, kTextWidth);
    }
    if (fields & kArtistField) {
        encodeField(block + kArtistOffset, artist, kTextWidth);
    }
    if (fields & kAlbumField) {
        encodeField(block + kAlbumOffset, album, kTextWidth);
    }
    if (fields & kYearField) {
        encodeField(block + kYearOffset, year, kYearWidth);
    }
    if (fields & (kCommentField | kTrackField)) {
        encodeComment(block, fields, old, hadBlock);
    }
    if (fields & kGenreField) {
        int genre = genreIndex & 0xFF;
        if (genre > 147) {
            genre = (genre + 100) & 0xFF;
        }
        block[kGenreOffset] = static_cast<uint8_t>(genre);
    }
}

void TagRecord::encodeComment(uint8_t* block, unsigned fields, const uint8_t* old,
                              bool hadBlock) const {
    bool oldHasTrack = hadBlock && old[kTrackZeroOffset] == 0 && old[kTrackOffset] != 0;
    uint8_t* dest = block + kCommentOffset;
    if (!(fields & kCommentField)) {
        // Only the track number changes; the comment keeps its bytes, less a
        // character that the two bytes of a new track number would cut in two.
        int textWidth = kTextWidth;
        if (track != 0) {
            const auto* text = reinterpret_cast<const char*>(dest);
            size_t end =
                CodePageDetector::TextLength(std::string_view(text, kCommentWidthWithTrack));
            int cut = CodePageDetector::CutLength(codePage, std::string_view(text, end));
            std::memset(dest + end - static_cast<size_t>(cut), ' ', static_cast<size_t>(cut));
            block[kTrackZeroOffset] = 0;
            block[kTrackOffset] = track;
            textWidth = kCommentWidthWithTrack;
        } else if (oldHasTrack) {
            block[kTrackZeroOffset] = 0;
            block[kTrackOffset] = 0;
        }
        for (int i = textWidth - 1; i >= 1 && (dest[i] == 0 || dest[i] == ' '); --i) {
            dest[i] = ' ';
        }
        return;
    }
    // A ticked track number takes the comment's last two bytes; an old one is kept
    // when the new comment leaves room for it.
    uint8_t number = (fields & kTrackField) ? track : (oldHasTrack ? old[kTrackOffset] : 0);
    bool keep = number != 0 &&
                ((fields & kTrackField) ||
                 encodeWholeCharacters(comment, kTextWidth).size() <= kCommentWidthWithTrack);
    if (keep) {
        encodeField(dest, comment, kCommentWidthWithTrack);
        block[kTrackZeroOffset] = 0;
        block[kTrackOffset] = number;
    } else {
        encodeField(dest, comment, kTextWidth);
    }
}

bool TagRecord::putBlock(const TagChange& change) {
    const auto* block = reinterpret_cast<const uint8_t*>(change.tailAfter.data());
    int64_t position = change.hadTag ? change.sizeBefore - kBlockSize : change.sizeBefore;
    bool written = writeAt(fd_, block, kBlockSize, position);
    if (!written) {
        // A write cut short (a full disk, a size limit) must not leave half a block:
        // put the old bytes back, or cut the appended piece off again.
        if (change.hadTag) {
            writeAt(fd_, reinterpret_cast<const uint8_t*>(change.tailBefore.data()), kBlockSize,
                    position);
        } else if (ftruncate(fd_, static_cast<off_t>(change.sizeBefore)) != 0) {
            // Nothing more can be done; the caller reports the failed write.
        }
    }
    refreshLength();
    return written;
}

bool TagRecord::removeTag() {
    int64_t length = fileLength();
    if (accessMode == kReadOnly || !isOpen) {
        return false;
    }
    uint8_t old[kBlockSize] = {};
    if (readLastBlock(old) && hasTagMarker(old)) {
        if (beforeChange) {
            TagChange change;
            change.path = path_;
            change.sizeBefore = length;
            change.hadTag = true;
            change.tailBefore.assign(reinterpret_cast<const char*>(old), kBlockSize);
            change.sizeAfter = length - kBlockSize;
            if (!readTail(change.sizeAfter, change.tailAfter) || !beforeChange(change)) {
                return false;
            }
        }
        bool cut = ftruncate(fd_, static_cast<off_t>(length - kBlockSize)) == 0;
        refreshLength();
        return cut;
    }
    return true;
}

bool TagRecord::readMpegFacts() {
    // Every fact is cleared, so that none is left over from the file read before.
    versionBits = 0;
    layerBits = 0;
    bitrateKbps = 0;
    isXing = false;
    durationMs = 0;
    if (!isOpen) {
        return false;
    }
    // One read covers every 4-byte group of the search and the Xing fields behind
    // a header found in the last group.
    std::array<uint8_t, kMpegSearchLimit + kXingFramesOffset + 4> head{};
    ssize_t got = 0;
    for (;;) {
        ssize_t n = pread(fd_, head.data() + got, head.size() - static_cast<size_t>(got), got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        got += n;
        if (static_cast<size_t>(got) == head.size()) {
            break;
        }
    }
    int found = -1;
    for (int offset = 0; offset < kMpegSearchLimit && offset + 4 <= got; offset += 4) {
        if (head[offset] == 0xFF && (head[offset + 1] & 0xE0) == 0xE0) {
            found = offset;
            break;
        }
    }
    if (found < 0) {
        return false;
    }
    const uint8_t* header = head.data() + found;
    versionBits = (header[1] >> 3) & 3;
    layerBits = (header[1] >> 1) & 3;
    int bitrateIndex = header[2] >> 4;

    if (found + kXingTagOffset + 4 <= got) {
        const uint8_t* tag = header + kXingTagOffset;
        auto lower = [](uint8_t c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
        isXing = lower(tag[0]) == 'x' && lower(tag[1]) == 'i' && lower(tag[2]) == 'n' &&
                 lower(tag[3]) == 'g';
    }
    if (isXing) {
        uint32_t frames = 0;
        if (found + kXingFramesOffset + 4 <= got) {
            const uint8_t* count = header + kXingFramesOffset;
            frames = (uint32_t{count[0]} << 24) | (uint32_t{count[1]} << 16) |
                     (uint32_t{count[2]} << 8) | uint32_t{count[3]};
        }
        // Every frame counts 26.1 ms, whatever its sample rate.
        int64_t duration = int64_t{frames} * 261 / 10;
        durationMs = static_cast<int32_t>(std::min<int64_t>(duration, INT32_MAX));
        // Bits per millisecond are kbit/s; an empty Xing count gives no rate. A short
        // count in a file of some GiB gives more than 32 bits hold.
        bitrateKbps = durationMs > 0 ? fileLength() * 8 / durationMs : 0;
    } else {
        bitrateKbps = bitrateFromTable(versionBits, layerBits, bitrateIndex);
    }
    return versionBits != 0;
}

std::u16string TagRecord::genreName(int index) {
    if (index >= 0 && index < kGenreCount) {
        return std::u16string(kGenreNames[static_cast<size_t>(index)]);
    }
    if (index >= kFirstMarkerByte && index <= kLastMarkerByte) {
        return std::u16string(kMarkerNames[static_cast<size_t>(index - kFirstMarkerByte)]);
    }
    return u"Unknown";
}

bool TagRecord::fieldByCode(uint32_t code, std::u16string& out) const {
    if (code == fourCC("INAM")) {
        out = title;
    } else if (code == fourCC("IART")) {
        out = artist;
    } else if (code == fourCC("ISRC")) {
        out = album;
    } else if (code == fourCC("ICRD")) {
        out = year;
    } else if (code == fourCC("ICMT")) {
        out = comment;
    } else if (code == fourCC("IGNR")) {
        out = genreText;
    } else {
        out.clear();
    }
    return !out.empty();
}

void TagRecord::decodeField(std::u16string& dest, const uint8_t* field, int width) const {
    // The text ends at the first zero byte; trailing spaces before it are padding
    // too (an ID3v1.1 comment is followed by a zero and the track byte). The first
    // byte always counts, so a field of spaces reads as one space.
    const auto* text = reinterpret_cast<const char*>(field);
    int end = static_cast<int>(std::find(text, text + width, '\0') - text);
    while (end > 1 && text[end - 1] == ' ') {
        --end;
    }
    if (autoDetect && end == width && width == kTextWidth && (field[end - 1] & 0x80) != 0) {
        // Old tools cut text at 30 bytes, inside a character at times: the text reads
        // up to the cut, without a replacement character for the piece.
        end -= CodePageDetector::CutLength(codePage, std::string_view(text, end));
        while (end > 1 && text[end - 1] == ' ') {
            --end;
        }
    }
    dest = converter_.toUtf16(codePage, std::string_view(text, static_cast<size_t>(end)));
    if (dest.size() > static_cast<size_t>(width)) {
        dest.resize(static_cast<size_t>(width));
    }
}

std::string TagRecord::encodeWholeCharacters(std::u16string_view text, int width) const {
    // Fast path: the whole text fits.
    std::string whole = converter_.fromUtf16(codePage, text);
    if (whole.size() <= static_cast<size_t>(width)) {
        return whole;
    }
    // Otherwise add one character (a surrogate pair counts as one) at a time and
    // stop before the first that would not fit whole.
    std::string fitted;
    size_t i = 0;
    while (i < text.size()) {
        size_t units = 1;
        if (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() &&
            text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            units = 2;
        }
        std::string bytes = converter_.fromUtf16(codePage, text.substr(i, units));
        if (fitted.size() + bytes.size() > static_cast<size_t>(width)) {
            break;
        }
        fitted += bytes;
        i += units;
    }
    return fitted;
}

void TagRecord::encodeField(uint8_t* dest, std::u16string_view text, int width) const {
    std::memset(dest, 0, static_cast<size_t>(width));
    std::u16string_view untilTerminator = text.substr(0, text.find(u'\0'));
    std::string bytes = encodeWholeCharacters(untilTerminator, width);
    std::memcpy(dest, bytes.data(), bytes.size());
    // Pad with spaces; the first byte stays as it is, so an empty field keeps its zero.
    for (int i = width - 1; i >= 1 && (dest[i] == 0 || dest[i] == ' '); --i) {
        dest[i] = ' ';
    }
}
