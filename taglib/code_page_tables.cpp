#include "taglib/code_page_tables.h"

#include <string>

#include "taglib/code_page_converter.h"

namespace {

// Bytes joined to what is read, one item at a time: no code page takes a line feed
// as the second byte of a character, so each item's characters end at its own line
// feed, whatever the item's bytes are.
constexpr char kSeparator = '\n';

// The one character of an item, or kNone when the item gave none or several.
char16_t onlyCharacter(std::u16string_view item) {
    if (item.size() != 1 || item[0] == 0xFFFD) {
        return CodePageTables::kNone;
    }
    return item[0];
}

// Splits decoded text at the separators into exactly count items; false when the
// number of items differs (then the reading cannot be trusted).
template <typename Visit>
bool forEachItem(std::u16string_view text, size_t count, Visit visit) {
    size_t item = 0;
    size_t begin = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n') {
            if (item == count) {
                return false;
            }
            visit(item++, text.substr(begin, i - begin));
            begin = i + 1;
        }
    }
    return item == count && begin == text.size();
}

}  // namespace

CodePageTables::CodePageTables(const CodePageConverter& converter)
    : big5_(read(converter, CodePage::Big5, true)),
      gb_(read(converter, CodePage::Gb, true)),
      shiftJis_(read(converter, CodePage::ShiftJis, true)),
      ksc_(read(converter, CodePage::Ksc, true)),
      ansi_(read(converter, CodePage::Ansi, false)) {
    mark(big5_, 0xA440, 0xC67E, 0x40, 0xFE, kBig5Level1);
    mark(gb_, 0xB0A1, 0xD7F9, 0xA1, 0xFE, kGbLevel1);
    mark(shiftJis_, 0x889F, 0x9872, 0x40, 0xFC, kJisLevel1);
    mark(ksc_, 0xCAA1, 0xFDFE, 0xA1, 0xFE, kKscHanja);
}

const CodePageTables& CodePageTables::instance() {
    static const CodePageTables tables(IcuCodePageConverter::instance());
    return tables;
}

const CodePageTables::Table* CodePageTables::table(int codePage) const {
    switch (codePage) {
        case CodePage::Big5:
            return &big5_;
        case CodePage::Gb:
            return &gb_;
        case CodePage::ShiftJis:
            return &shiftJis_;
        case CodePage::Ksc:
            return &ksc_;
        case CodePage::Ansi:
            return &ansi_;
        default:
            return nullptr;
    }
}

CodePageTables::Table CodePageTables::read(const CodePageConverter& converter, int codePage,
                                           bool doubleByte) {
    Table table;
    table.doubleByte = doubleByte;
    table.singles.fill(kNone);
    // Every byte above ASCII on its own: one conversion for all of them.
    std::string bytes;
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
        bytes += static_cast<char>(byte);
        bytes += kSeparator;
    }
    forEachItem(converter.toUtf16(codePage, bytes), 128, [&](size_t i, std::u16string_view item) {
        table.singles[i] = onlyCharacter(item);
    });
    if (!doubleByte) {
        return table;
    }
    // Then each lead byte with every trail byte, one conversion per lead byte.
    table.pairs.assign(128 * Table::kTrails, kNone);
    for (unsigned lead = 0x80; lead <= 0xFF; ++lead) {
        bytes.clear();
        for (unsigned trail = 0x40; trail <= 0xFF; ++trail) {
            bytes += static_cast<char>(lead);
            bytes += static_cast<char>(trail);
            bytes += kSeparator;
        }
        char16_t* row = table.pairs.data() + (lead - 0x80) * Table::kTrails;
        bool anyPair = false;
        forEachItem(converter.toUtf16(codePage, bytes), Table::kTrails,
                    [&](size_t i, std::u16string_view item) {
                        row[i] = onlyCharacter(item);
                        anyPair = anyPair || row[i] != kNone;
                    });
        // A byte that is a character of its own is no lead byte, even where a
        // following byte would be read with it (halfwidth katakana in Shift-JIS).
        table.leads[lead - 0x80] = anyPair && table.singles[lead - 0x80] == kNone;
    }
    return table;
}

void CodePageTables::mark(const Table& table, unsigned first, unsigned last, unsigned firstTrail,
                          unsigned lastTrail, CommonSet set) {
    for (unsigned code = first; code <= last; ++code) {
        unsigned trail = code & 0xFF;
        if (trail < firstTrail || trail > lastTrail) {
            continue;
        }
        char16_t c = table.pair(static_cast<uint8_t>(code >> 8), static_cast<uint8_t>(trail));
        if (c >= kFirstIdeograph && c <= kLastIdeograph) {
            common_[c - kFirstIdeograph] |= set;
        }
    }
}
