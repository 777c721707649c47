#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "taglib/tag_record.h"

// One file's tag as the table and the preview show it: the text read in the code
// page its marker names, else in the one its own bytes are found to be in. It
// depends on the block alone (no folder votes), so what a block will read as can
// be told before the block is written.
struct TagView {
    enum class State { Unreadable, NoTag, Tag };
    enum Text { Title, Artist, Album, Year, Comment, kTextCount };

    State state = State::Unreadable;
    std::array<QString, kTextCount> texts;
    int track = 0;       // 0: none
    int genreIndex = 0;  // as a read folds it: markers are 148..154
    int codePage = CodePage::Ansi;
    bool guessed = false;   // detected from the text, not named by a marker
    bool evidence = false;  // the text has bytes that code pages read differently

    bool operator==(const TagView&) const = default;
    // "BIG5", "GB (guess)", "ASCII" (every code page reads it alike); empty
    // without a tag.
    QString codePageLabel() const;
};

class TagViewReader {
public:
    TagViewReader();
    TagView readFile(const QString& path);
    // A view of the last 128 bytes of a file; they need not be a block.
    TagView readBlock(const uint8_t* block);

    // The name of a code page as the code-page list and the table spell it.
    static QString codePageName(int codePage);

private:
    TagRecord record_;
};
