#include "taglib/local_path.h"

#include <cstdint>

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool isContinuation(uint8_t byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at bytes[i] and its code point; 0 when
// the bytes there are not one (overlong forms, surrogates and code points above
// U+10FFFF are not valid).
size_t validSequence(std::string_view bytes, size_t i, char32_t& codePoint) {
    auto at = [&bytes](size_t k) { return static_cast<uint8_t>(bytes[k]); };
    uint8_t lead = at(i);
    size_t length = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) {
        return 0;
    }
    for (size_t k = 1; k < length; ++k) {
        if (!isContinuation(at(i + k))) {
            return 0;
        }
        codePoint = (codePoint << 6) | (at(i + k) & 0x3F);
    }
    bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < minimum || surrogate || codePoint > 0x10FFFF) {
        return 0;
    }
    return length;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::u16string LocalPathToUtf16(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    size_t i = 0;
    while (i < bytes.size()) {
        auto byte = static_cast<uint8_t>(bytes[i]);
        if (byte < 0x80) {
            out += static_cast<char16_t>(byte);
            ++i;
            continue;
        }
        char32_t c = 0;
        size_t length = validSequence(bytes, i, c);
        if (length == 0) {
            out += static_cast<char16_t>(kEscapeBase + byte);
            ++i;
        } else if (c < 0x10000) {
            out += static_cast<char16_t>(c);
            i += length;
        } else {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
            i += length;
        }
    }
    return out;
}

std::string Utf16ToLocalPath(std::u16string_view path) {
    std::string out;
    out.reserve(path.size() * 3);
    for (size_t i = 0; i < path.size(); ++i) {
        char16_t unit = path[i];
        bool high = unit >= 0xD800 && unit <= 0xDBFF;
        bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (high && i + 1 < path.size() && path[i + 1] >= 0xDC00 && path[i + 1] <= 0xDFFF) {
            char32_t c = 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (path[i + 1] - 0xDC00);
            appendUtf8(out, c);
            ++i;
        } else if (low && unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF) {
            out += static_cast<char>(unit - kEscapeBase);
        } else if (high || low) {
            out += '?';
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}
