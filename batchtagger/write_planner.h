#pragma once

#include <QList>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

#include "batchtagger/batch_tag_writer.h"
#include "batchtagger/tag_view.h"

// What a Write is asked to do.
struct WriteRequest {
    // The code page of each file's own text (its marker's, else the one found),
    // instead of one code page for all.
    static constexpr int kAsDetected = -1;

    TagFields fields;
    FieldTicks ticks{};
    int codePage = CodePage::Utf8;  // or kAsDetected
    // Every text field, ticked or not, is written in the code page (from the text
    // read in the file's own one), and a code-page marker is made to name it.
    bool convertText = false;
};

// One file's Write worked out before anything is written: the block it has, the
// block it will have, and the tag as it is shown now beside the tag that block
// will read as. The preview shows plans and a Write applies them, so the two
// cannot differ.
struct FilePlan {
    using Block = std::array<uint8_t, TagRecord::kBlockSize>;

    QString path;
    bool readable = false;  // the file could be opened and its end read
    bool hadBlock = false;
    bool writes = false;            // a Write puts newBlock into the file
    int codePage = CodePage::Utf8;  // the code page the text is written in
    Block oldBlock{};               // the file's last 128 bytes when hadBlock
    Block newBlock{};
    TagView now;
    TagView after;
    std::array<bool, kTagFieldCount> changed{};
    // Per text field written: the text given to the code page, and the positions
    // in it of the characters the code page cannot hold (they read back as "?").
    std::array<QString, TagView::kTextCount> written;
    std::array<QList<int>, TagView::kTextCount> lost;

    bool anyChange() const;
    bool anyLost() const;
};

class WritePlanner {
public:
    WritePlanner();

    FilePlan plan(const QString& path, const WriteRequest& request);
    // Puts the plan's block into its file, provided the file still ends as it did
    // when it was planned. False when it does not, or cannot be opened or written,
    // or when beforeChange says no.
    bool apply(const FilePlan& plan);
    // Asked before a write changes a file (the undo journal keeps the change).
    void setBeforeChange(std::function<bool(const TagChange&)> ask) {
        beforeChange_ = std::move(ask);
    }

    // The positions in text of the characters codePage cannot hold (a character
    // of two UTF-16 units counts at its first).
    static QList<int> lostCharacters(int codePage, const QString& text);

private:
    // The fields a Write puts in, as TagRecord::Field bits.
    static unsigned chosenFields(const WriteRequest& request);
    void putFields(const WriteRequest& request, unsigned chosen, FilePlan& plan);

    TagRecord record_;
    TagViewReader reader_;
    std::function<bool(const TagChange&)> beforeChange_;
};
