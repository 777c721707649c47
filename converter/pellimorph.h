#pragma once

#include <ostream>
#include <string>
#include <vector>

// Maps a converter argument to a code page: "ansi", "utf8", "big5", "gb", "sjis",
// "ksc" in any case; every other word means the ANSI code page (0).
int codePageFromName(const std::string& name);
// "auto" in any case: the current code page is detected (and a marker honoured).
bool isAutoName(const std::string& name);

// Pellimorph's driver: args are the arguments after the program name, as bytes.
// Writes its texts to out, the files that failed to err, and returns the exit
// code. Arguments that begin with --show or --from show tags (tag_show.h);
// --undo puts back the last run; otherwise they are [--dry-run] CPcurrent
// CPdesired and the paths (batch_conversion.h). Exactly one path that is no folder
// is the one-file form, whose output and exit codes are those of old.
int runPellimorph(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
