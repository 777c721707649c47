#pragma once

#include <string>
#include <string_view>

// Paths are bytes on Linux, and old collections carry names in GBK, Big5 or
// Shift-JIS bytes that are not UTF-8. The programs hold paths as UTF-16, so they
// are converted here without loss: valid UTF-8 decodes as usual, and every other
// byte b (0x80..0xFF) becomes the lone surrogate U+DC00 + b, which the encoder
// turns back into b. Any byte string thus comes back exactly, and a UTF-16
// tracklist file can store it.

// The UTF-16 form of a path's bytes.
std::u16string LocalPathToUtf16(std::string_view bytes);
// The bytes of a path held as UTF-16. A lone surrogate outside U+DC80..U+DCFF,
// which no decoded path contains, becomes "?".
std::string Utf16ToLocalPath(std::u16string_view path);
