#pragma once

#include <array>
#include <string_view>

// The ID3v1 genres 0..79 and the WinAmp extension 80..147, spelled as players
// have always shown them.
extern const std::array<std::u16string_view, 148> kGenreNames;

// The names of the code-page markers 248..254 ("BIG5", "SJIS", "GB", "KSC", "", "",
// "UTF-8").
extern const std::array<std::u16string_view, 7> kMarkerNames;
