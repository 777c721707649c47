#pragma once

#include <bit>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "taglib/code_page_converter.h"
#include "taglib/code_page_detector.h"
#include "taglib/tag_change.h"

// The four-character codes of fieldByCode, as 32-bit numbers whose bytes in memory
// order are the four characters.
constexpr uint32_t fourCC(const char (&code)[5]) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<uint8_t>(code[i]);
    }
    if constexpr (std::endian::native == std::endian::big) {
        value =
            (value >> 24) | ((value >> 8) & 0xFF00u) | ((value << 8) & 0xFF0000u) | (value << 24);
    }
    return value;
}

// One MP3 file's ID3v1 block, the last 128 bytes of the file:
//
//   offset  width  content
//     0       3    "TAG"
//     3      30    title      } text in codePage, ended by the first zero byte;
//    33      30    artist     } trailing spaces and zeros are padding, written
//    63      30    album      } as spaces with a zero kept in the first byte of
//    93       4    year       } an empty field
//    97      30    comment    (ID3v1.1: byte 28 zero, byte 29 the track number)
//   127       1    genre byte (248..254 mark the code page of the text)
//
// Genre bytes above 147 are folded to index byte - 100 on reading and unfolded on
// writing, so the code-page markers 248..254 travel as indexes 148..154.
//
// The code page of a read is chosen in this order: a marker (when selectCodePage
// and autoTranslate are set); else detection from the text when autoDetect is set
// (with the folder's votes when vote is set); else the code page chosen by
// selectCodePage and autoTranslate, or the one the caller set.
//
// The record also gathers the facts of the first MPEG audio frame header near the
// start of the file (readMpegFacts). It shows no messages; callers decide.
class TagRecord {
public:
    static constexpr int kBlockSize = 128;
    static constexpr int kTextWidth = 30;
    static constexpr int kYearWidth = 4;
    static constexpr int kGenreCount = 148;
    static constexpr uint16_t kGenreNeverRead = 65535;
    static constexpr int kReadOnly = 1;

    // What chose the code page of the last read.
    enum class CodePageSource { Given, Marker, Detected };

    // The fields of a block, as bits of a set for writeFields.
    enum Field : unsigned {
        kTitleField = 1u << 0,
        kArtistField = 1u << 1,
        kAlbumField = 1u << 2,
        kYearField = 1u << 3,
        kCommentField = 1u << 4,
        kGenreField = 1u << 5,
        kAllFields = (1u << 6) - 1,
        // The ID3v1.1 track number (track, 0 for none). Not among kAllFields: a
        // plain write keeps the file's track number where the comment leaves room.
        kTrackField = 1u << 6,
    };

    explicit TagRecord(const CodePageConverter& converter = IcuCodePageConverter::instance());
    ~TagRecord();
    TagRecord(const TagRecord&) = delete;
    TagRecord& operator=(const TagRecord&) = delete;

    // Texts of the block, UTF-16.
    std::u16string title;
    std::u16string artist;
    std::u16string album;
    std::u16string year;
    std::u16string comment;
    std::u16string genreText;
    uint16_t genreIndex = kGenreNeverRead;
    // The ID3v1.1 track number of the last read (a zero byte and the number in the
    // comment's last two bytes); 0 when the block has none.
    uint8_t track = 0;

    int accessMode = kReadOnly;  // 1 read-only; any other value read and write
    bool isOpen = false;
    bool winampGenres = false;
    bool autoTranslate = false;  // a read honours the code-page markers
    bool marlowExtension = false;
    bool selectCodePage = false;  // a read chooses codePage itself
    int codePage = CodePage::Utf8;
    int defaultCodePage = CodePage::Utf8;
    // A read without a marker detects the code page from the text, and a field that
    // fills its 30 bytes and ends in a character cut short reads up to the cut.
    bool autoDetect = false;
    // The votes of the folder being read together, weighed by a detecting read;
    // owned by the caller.
    const CodePageVote* vote = nullptr;
    // Set by every read: what chose codePage, and for a detecting read the
    // scores of the block's text and how sure the choice is.
    CodePageSource codePageSource = CodePageSource::Given;
    CodePageScores codePageScores;
    double codePageConfidence = 0;

    // Asked before a write or a removal changes the file, with the change it is
    // about to make (an undo journal keeps it first). When it returns false the
    // file is left alone and the operation fails.
    std::function<bool(const TagChange&)> beforeChange;

    // MPEG facts.
    uint8_t versionBits = 0;  // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5, 1 reserved
    uint8_t layerBits = 0;    // 3 Layer I, 2 Layer II, 1 Layer III
    int64_t bitrateKbps = 0;  // 64 bits: a Xing file of some GiB may claim very few frames
    bool isXing = false;
    int32_t durationMs = 0;  // valid only when isXing is set

    // Opens an existing file whose path ends in "mp3" (any case). Empties the texts
    // and marks the genre as never read, whatever the outcome.
    bool open(std::u16string_view path);
    bool close();
    // Reads the block; false when the file has none (the texts are then empty and
    // the genre index 0).
    bool read();
    // Writes the block over the old one, or appends it when there is none.
    bool write();
    // Writes a block in which only the fields in the set (Field bits) come from the
    // record; the others keep the bytes of the file's block, or of an empty block
    // with genre 0 when the file has none. Text that the code page cannot hold is
    // thus never re-encoded unasked. An empty set writes nothing and is true.
    bool writeFields(unsigned fields);
    // The change writeFields(fields) would make, without making it; a read-only
    // record can tell too. False when no file is open or its end cannot be read.
    bool plannedWrite(unsigned fields, TagChange& change) const;
    // The block writeFields would write: old is the file's last 128 bytes when
    // hadBlock (they begin with "TAG"), else ignored.
    void composeBlock(uint8_t* block, unsigned fields, const uint8_t* old, bool hadBlock) const;
    // The last 128 bytes of the open file; false when it is shorter or cannot be
    // read. hasTag tells whether they are a block.
    bool lastBlock(uint8_t* block, bool& hasTag) const;
    // Puts these 128 bytes (a whole block, "TAG" first) over the file's block, or
    // after its last byte when it has none; beforeChange is asked first.
    bool writeBlock(const uint8_t* block);
    // Cuts the block off the file; true also when there was none.
    bool removeTag();
    // Reads a 128-byte block as read() reads the file's, choosing the code page the
    // same way: a preview of what a write would leave reads its block so.
    bool readBlock(const uint8_t* block);
    bool readMpegFacts();
    // The scores of the text of the open file's block, without decoding it (the
    // first pass over a folder whose tags vote). False when the file has no block.
    bool scoreBlock(CodePageScores& scores) const;
    // The scores of the text fields of a 128-byte block.
    static CodePageScores blockScores(const uint8_t* block);

    // The name of a genre index 0..147, of a marker byte 248..254, else "Unknown".
    static std::u16string genreName(int index);
    // Copies the text named by a four-character code ("INAM" title, "IART" artist,
    // "ISRC" album, "ICRD" year, "ICMT" comment, "IGNR" genre); true when not empty.
    bool fieldByCode(uint32_t code, std::u16string& out) const;

    // One fixed-width field of the block to UTF-16 and back, in codePage.
    void decodeField(std::u16string& dest, const uint8_t* field, int width) const;
    void encodeField(uint8_t* dest, std::u16string_view text, int width) const;

private:
    // The length of the open file, or -1. Kept from open and refreshed after each
    // change: the tag reads of a tracklist load pay no extra system call for it.
    int64_t fileLength() const;
    void refreshLength();
    // Reads the last block of the file into block; false when the file is shorter
    // than a block or the read fails.
    bool readLastBlock(uint8_t* block) const;
    // A block of empty texts with genre 0, as a file without a block starts from.
    void emptyBlock(uint8_t* block) const;
    // Encodes the fields of the set into block; old is the file's block when
    // hadBlock, for the ID3v1.1 track number.
    void encodeFields(uint8_t* block, unsigned fields, const uint8_t* old, bool hadBlock) const;
    void encodeComment(uint8_t* block, unsigned fields, const uint8_t* old, bool hadBlock) const;
    // The last bytes of the file before offset end, at most a block's worth.
    bool readTail(int64_t end, std::string& tail) const;
    // The change of putting block at the end of the file: over its last 128
    // bytes old when replacing.
    bool changeFor(const uint8_t* block, const uint8_t* old, bool haveLast, bool replacing,
                   TagChange& change) const;
    // Makes a planned write: the new block at the end of the file, over the old one
    // when there was one; a write cut short puts the file back as it was.
    bool putBlock(const TagChange& change);
    // The code page a read uses for a block whose genre byte is g.
    int codePageForGenreByte(int g) const;
    // Sets codePage and codePageSource for a read of block.
    void chooseCodePage(const uint8_t* block);
    // The longest run of whole characters of text that fits width bytes.
    std::string encodeWholeCharacters(std::u16string_view text, int width) const;
    void clearTexts();

    const CodePageConverter& converter_;
    int fd_ = -1;
    int64_t length_ = -1;
    std::string path_;  // the open file's path, its bytes
};
