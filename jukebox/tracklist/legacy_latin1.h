#pragma once

#include <string>
#include <vector>

// ID3v2 frames declared Latin-1 often hold the bytes of a legacy double-byte code
// page (GBK, Big5, Shift-JIS, ...), written by the same old tools that filled
// ID3v1 blocks that way. The texts of one tag are judged together, since one tool
// wrote them all, and each comes back as UTF-16 in the code page chosen for them.
std::vector<std::u16string> decodeLegacyLatin1(const std::vector<std::string>& fields);
