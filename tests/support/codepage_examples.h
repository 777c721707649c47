#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// One line of codepage-examples.tsv: a language (zh-Hant, zh-Hans, ja, ko, a
// Western one, or "mixed:" and one of those), a kind (title, artist, album,
// comment, year) and the text in UTF-8.
struct CodePageExampleLine {
    std::string language;
    std::string kind;
    std::string text;
};

// The lines of the examples file at path, without comments and the heading;
// none when it cannot be read.
inline std::vector<CodePageExampleLine> ReadCodePageExamples(const char* path) {
    std::vector<CodePageExampleLine> lines;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line.rfind("language\t", 0) == 0) {
            continue;
        }
        std::istringstream columns(line);
        CodePageExampleLine example;
        std::getline(columns, example.language, '\t');
        std::getline(columns, example.kind, '\t');
        std::getline(columns, example.text);
        lines.push_back(std::move(example));
    }
    return lines;
}
