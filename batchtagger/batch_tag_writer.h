#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <map>

#include "taglib/tag_record.h"

// The fields of the batch editor, in the order of its rows.
enum class TagField { Title, Artist, Album, Year, Comment, Track, Genre };
constexpr int kTagFieldCount = 7;

// What the editor's fields hold. genreItem is an item of the genre list (it stands
// for the genre index of the same number) or -1 for no selection.
struct TagFields {
    QString title;
    QString artist;
    QString album;
    QString year;
    QString comment;
    int track = 0;  // the ID3v1.1 track number, 1..255; 0 for none
    int genreItem = -1;
};

// Which fields a write changes (the Change boxes).
using FieldTicks = std::array<bool, kTagFieldCount>;

// Reads and removes the ID3v1 blocks of single files for the batch editor (writes
// are planned and made by WritePlanner),
// over one tag record kept for all its work. The code page of the text follows the
// editor's code-page list (or the code page of the file shown: its marker's, or
// the one its text is found to be in) and is used for reading as well as writing.
class BatchTagWriter {
public:
    static constexpr int kTextLimit = TagRecord::kTextWidth;
    static constexpr int kYearLimit = TagRecord::kYearWidth;
    // Genre items: indexes 0..147 and the code-page markers 148..154.
    static constexpr int kGenreItemCount = 155;

    BatchTagWriter();

    // The genre list: the genre names, then the marker names (two of them empty).
    static QStringList genreItems();
    // The code-page list ("UTF8", "BIG5", "SJIS", "GB", "KSC") and the code page of
    // an item; item 0 and no selection (-1) mean UTF-8.
    static QStringList codePageItems();
    static int codePageForItem(int item);
    // The item of a code page; 0 (UTF8) for one the list does not hold.
    static int itemForCodePage(int codePage);
    void setCodePageItem(int item) { record_.codePage = codePageForItem(item); }
    int codePage() const { return record_.codePage; }

    // How a read chooses the code page of a file's text.
    enum class Marker {
        // A code-page marker in the genre byte chooses it, else the text does (the
        // other files of its folder voting); it becomes current when the code-page
        // list holds it (a Western text is shown as such, the list stays).
        Follow,
        Ignore,  // the current code page, whatever the file says
    };
    // The block of one file. folderFiles are the listed files of its folder, whose
    // tags vote on the code page of a file without a marker. A file without a block
    // gives empty texts and genre item 0; false (fields untouched) when the file
    // cannot be opened for reading and writing.
    bool readFile(const QString& path, TagFields& fields, Marker marker = Marker::Follow,
                  const QStringList& folderFiles = {});
    // Asked before a removal changes a file (the undo journal keeps the change).
    void setBeforeChange(std::function<bool(const TagChange&)> ask) {
        record_.beforeChange = std::move(ask);
    }
    // Cuts the block off a file; true also when it had none.
    bool removeTagFrom(const QString& path);
    // The folders' votes are read again at the next read (the list has changed).
    void forgetVotes() { votes_.clear(); }

    // Sel All: all ticked becomes none ticked, anything else all ticked.
    static FieldTicks toggledTicks(const FieldTicks& ticks);

private:
    // The votes of the tags of folderFiles, read once per folder until a write.
    const CodePageVote* folderVote(const QString& path, const QStringList& folderFiles);

    TagRecord record_;
    std::map<QString, CodePageVote> votes_;  // by folder
};
