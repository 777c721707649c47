#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "taglib/tag_record.h"

// pellimorph --show [--from CP] PATH...
//
// Prints for each file (a folder stands for every MP3 file below it, walked in
// natural order) one JSON object on a line of its own, in UTF-8: the file,
// the code page of its tag (ANSI, UTF8, BIG5, GB, SJIS, KSC), what chose it
// (marker, detected, given), title, artist, album, year, comment, track and
// genre. The code page is the marker's, else detected, with the files of one
// folder voting; --from names it instead. A file that cannot be opened or has no
// tag gives an object with the file and an error.
//
// args are the arguments after the program name, beginning with --show or --from.
// Returns the exit code: 0 when every file was read, 1 when a file could not be
// opened or the arguments are wrong (then the usage goes to out).
int showTags(const std::vector<std::string>& args, std::ostream& out);

// text as a JSON string, quotes included: UTF-8, with lone surrogates (the bytes
// of a path that are not UTF-8) as \udcXX escapes.
std::string jsonQuoted(std::u16string_view text);

// The converter's name of a code page: "ANSI", "UTF8", "BIG5", "GB", "SJIS", "KSC".
const char* codePageName(int codePage);

// How a tag's code page was chosen, as scripts read it: "marker", "detected", "given".
const char* sourceName(TagRecord::CodePageSource source);
