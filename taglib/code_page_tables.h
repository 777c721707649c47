#pragma once

#include <array>
#include <cstdint>
#include <vector>

class CodePageConverter;

// The byte-to-character mappings of the legacy code pages, read once from a
// converter's own tables, so that weighing a tag in every code page costs table
// look-ups rather than conversions. Also the national sets of common ideographs,
// read from the same tables.
class CodePageTables {
public:
    // What a byte or pair maps to when it is no character of the code page.
    static constexpr char16_t kNone = 0xFFFF;

    // One code page. Single bytes and lead bytes are 0x80..0xFF; ASCII maps to itself
    // in every code page the system knows.
    struct Table {
        bool doubleByte = false;
        std::array<char16_t, 128> singles{};  // a byte 0x80..0xFF on its own
        std::array<bool, 128> leads{};        // the byte begins a two-byte character
        std::vector<char16_t> pairs;          // lead 0x80..0xFF by trail 0x40..0xFF

        char16_t single(uint8_t byte) const { return singles[byte - 0x80u]; }
        bool isLead(uint8_t byte) const { return byte >= 0x80 && leads[byte - 0x80u]; }
        // The character of lead and trail; kNone when the pair is none.
        char16_t pair(uint8_t lead, uint8_t trail) const {
            if (!doubleByte || lead < 0x80 || trail < 0x40) {
                return kNone;
            }
            return pairs[(lead - 0x80u) * kTrails + (trail - 0x40u)];
        }
        static constexpr unsigned kTrails = 0xC0;
    };

    // Membership of an ideograph in the national sets of common characters.
    enum CommonSet : uint8_t {
        kBig5Level1 = 1,  // Big5 A440..C67E
        kGbLevel1 = 2,    // GB 2312 B0A1..D7F9
        kJisLevel1 = 4,   // JIS X 0208 level 1, Shift-JIS 889F..9872
        kKscHanja = 8,    // KS X 1001 hanja, CAA1..FDFE
    };

    explicit CodePageTables(const CodePageConverter& converter);

    // The tables of the shared ICU converter, read at the first call (about a
    // millisecond).
    static const CodePageTables& instance();

    // The table of 950, 936, 932, 949 or 0 (ANSI); nullptr for any other number.
    const Table* table(int codePage) const;

    // The common sets (CommonSet bits) holding a character; 0 outside U+4E00..U+9FFF.
    uint8_t commonSets(char32_t c) const {
        return c >= kFirstIdeograph && c <= kLastIdeograph ? common_[c - kFirstIdeograph] : 0;
    }

private:
    static constexpr char32_t kFirstIdeograph = 0x4E00;
    static constexpr char32_t kLastIdeograph = 0x9FFF;

    static Table read(const CodePageConverter& converter, int codePage, bool doubleByte);
    // Marks the ideographs of the codes first..last whose trail byte lies in
    // firstTrail..lastTrail as members of set.
    void mark(const Table& table, unsigned first, unsigned last, unsigned firstTrail,
              unsigned lastTrail, CommonSet set);

    Table big5_;
    Table gb_;
    Table shiftJis_;
    Table ksc_;
    Table ansi_;
    std::array<uint8_t, kLastIdeograph - kFirstIdeograph + 1> common_{};
};
