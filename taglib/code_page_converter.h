#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

// Windows code-page numbers the system knows.
namespace CodePage {
constexpr int Ansi = 0;  // the system's ANSI code page; windows-1252 here
constexpr int Utf8 = 65001;
constexpr int Big5 = 950;
constexpr int ShiftJis = 932;
constexpr int Gb = 936;
constexpr int Ksc = 949;
}  // namespace CodePage

// Converts between byte strings in a Windows code page and UTF-16. Neither direction
// fails on bad input: bytes that are invalid in the code page decode to U+FFFD, and
// characters the code page cannot hold encode to "?".
class CodePageConverter {
public:
    virtual ~CodePageConverter() = default;

    // The UTF-16 text of bytes in codePage; empty when the code page is unknown.
    virtual std::u16string toUtf16(int codePage, std::string_view bytes) const = 0;
    // The bytes of text in codePage; empty when the code page is unknown.
    virtual std::string fromUtf16(int codePage, std::u16string_view text) const = 0;
};

struct UConverter;

// The converter on ICU, with the tables that match Windows byte for byte.
class IcuCodePageConverter final : public CodePageConverter {
public:
    IcuCodePageConverter() = default;
    ~IcuCodePageConverter() override;
    IcuCodePageConverter(const IcuCodePageConverter&) = delete;
    IcuCodePageConverter& operator=(const IcuCodePageConverter&) = delete;

    std::u16string toUtf16(int codePage, std::string_view bytes) const override;
    std::string fromUtf16(int codePage, std::u16string_view text) const override;

    // The ICU table name used for a code page; nullptr for an unknown number.
    static const char* tableName(int codePage);

    // One shared instance for callers that need no other.
    static const IcuCodePageConverter& instance();

private:
    UConverter* converterFor(int codePage) const;

    // Opening an ICU converter costs far more than a field's conversion, so each
    // table is opened once and kept.
    mutable std::map<int, UConverter*> converters_;
};

// UTF-8 <-> UTF-16 for paths and console text (invalid input becomes U+FFFD).
std::u16string utf8ToUtf16(std::string_view utf8);
std::string utf16ToUtf8(std::u16string_view utf16);
