#include "taglib/code_page_converter.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/ucnv_err.h>
#include <unicode/ustring.h>

namespace {

// Writes "?" for every character the target cannot hold, as Windows does; a
// character above U+FFFF gives two, one for each of its UTF-16 units. ICU's own
// substitute callback would silently drop default-ignorable characters instead.
void substituteQuestionMarks(const void*, UConverterFromUnicodeArgs* args, const UChar* units,
                             int32_t length, UChar32, UConverterCallbackReason reason,
                             UErrorCode* err) {
    if (reason > UCNV_IRREGULAR) {
        return;  // reset, close or clone: nothing to write
    }
    std::string marks(static_cast<size_t>(length), '?');
    *err = U_ZERO_ERROR;
    ucnv_cbFromUWriteBytes(args, marks.data(), length, 0, err);
    (void)units;
}

// Writes U+FFFD for every invalid or unmapped byte sequence. ICU's substitute
// callback would give U+001A for some single-byte tables.
void substituteReplacementCharacter(const void*, UConverterToUnicodeArgs* args, const char*,
                                    int32_t, UConverterCallbackReason reason, UErrorCode* err) {
    if (reason > UCNV_IRREGULAR) {
        return;
    }
    static const UChar replacement = 0xFFFD;
    *err = U_ZERO_ERROR;
    ucnv_cbToUWriteUChars(args, &replacement, 1, 0, err);
}

}  // namespace

IcuCodePageConverter::~IcuCodePageConverter() {
    for (auto& [number, converter] : converters_) {
        ucnv_close(converter);
    }
}

const char* IcuCodePageConverter::tableName(int codePage) {
    switch (codePage) {
        case CodePage::Ansi:
            return "ibm-5348_P100-1997";  // windows-1252
        case CodePage::Utf8:
            return "UTF-8";
        case CodePage::Big5:
            return "windows-950-2000";
        case CodePage::ShiftJis:
            return "ibm-943_P15A-2003";
        case CodePage::Gb:
            return "windows-936-2000";
        case CodePage::Ksc:
            return "windows-949-2000";
        default:
            return nullptr;
    }
}

const IcuCodePageConverter& IcuCodePageConverter::instance() {
    static const IcuCodePageConverter shared;
    return shared;
}

UConverter* IcuCodePageConverter::converterFor(int codePage) const {
    auto found = converters_.find(codePage);
    if (found != converters_.end()) {
        return found->second;
    }
    const char* name = tableName(codePage);
    if (name == nullptr) {
        return nullptr;
    }
    UErrorCode err = U_ZERO_ERROR;
    UConverter* converter = ucnv_open(name, &err);
    if (U_FAILURE(err)) {
        return nullptr;
    }
    // Windows converts with its best-fit tables by default; ICU's Windows tables
    // carry those mappings as fallbacks.
    ucnv_setFallback(converter, true);
    ucnv_setFromUCallBack(converter, substituteQuestionMarks, nullptr, nullptr, nullptr, &err);
    ucnv_setToUCallBack(converter, substituteReplacementCharacter, nullptr, nullptr, nullptr, &err);
    if (U_FAILURE(err)) {
        ucnv_close(converter);
        return nullptr;
    }
    converters_.emplace(codePage, converter);
    return converter;
}

std::u16string IcuCodePageConverter::toUtf16(int codePage, std::string_view bytes) const {
    UConverter* converter = converterFor(codePage);
    if (converter == nullptr || bytes.empty()) {
        return {};
    }
    ucnv_reset(converter);
    // Every byte yields at most one UTF-16 unit in these code pages, and a
    // four-byte UTF-8 sequence yields two: the byte count always suffices.
    std::u16string out(bytes.size() + 1, u'\0');
    UErrorCode err = U_ZERO_ERROR;
    int32_t length = ucnv_toUChars(converter, out.data(), static_cast<int32_t>(out.size()),
                                   bytes.data(), static_cast<int32_t>(bytes.size()), &err);
    if (U_FAILURE(err)) {
        return {};
    }
    out.resize(static_cast<size_t>(length));
    return out;
}

std::string IcuCodePageConverter::fromUtf16(int codePage, std::u16string_view text) const {
    UConverter* converter = converterFor(codePage);
    if (converter == nullptr || text.empty()) {
        return {};
    }
    ucnv_reset(converter);
    std::string out(static_cast<size_t>(
                        UCNV_GET_MAX_BYTES_FOR_STRING(text.size(), ucnv_getMaxCharSize(converter))),
                    '\0');
    UErrorCode err = U_ZERO_ERROR;
    int32_t length = ucnv_fromUChars(converter, out.data(), static_cast<int32_t>(out.size()),
                                     text.data(), static_cast<int32_t>(text.size()), &err);
    if (U_FAILURE(err)) {
        return {};
    }
    out.resize(static_cast<size_t>(length));
    return out;
}

std::u16string utf8ToUtf16(std::string_view utf8) {
    std::u16string out(utf8.size(), u'\0');
    int32_t length = 0;
    UErrorCode err = U_ZERO_ERROR;
    u_strFromUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &length, utf8.data(),
                         static_cast<int32_t>(utf8.size()), 0xFFFD, nullptr, &err);
    if (U_FAILURE(err)) {
        return {};
    }
    out.resize(static_cast<size_t>(length));
    return out;
}

std::string utf16ToUtf8(std::u16string_view utf16) {
    std::string out(utf16.size() * 3, '\0');
    int32_t length = 0;
    UErrorCode err = U_ZERO_ERROR;
    u_strToUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &length, utf16.data(),
                       static_cast<int32_t>(utf16.size()), 0xFFFD, nullptr, &err);
    if (U_FAILURE(err)) {
        return {};
    }
    out.resize(static_cast<size_t>(length));
    return out;
}
