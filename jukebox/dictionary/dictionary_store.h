#pragma once

#include <QList>
#include <QString>

#include "jukebox/dictionary/dictionary_entry.h"
#include "jukebox/dictionary/filename_index.h"
#include "jukebox/tracklist/track_entry.h"

class DictionaryListener;
class ExtensionLists;
class UiService;

// The mapping dictionary: rows of a file name and six texts that give tracks
// without a readable tag their display texts. It is kept in "default.dic" in its
// folder and written only when SaveDictionary is called; modified() tells whether
// the rows have changed since they were last loaded or saved.
//
// File format: UTF-16 little-endian with the byte-order mark, then seven lines per
// row, each ended by CR LF, in the order Filename, Display, Artist, Genre, Date,
// Source, Comment (Genre and Date before Source, unlike the columns). Lines are read
// whole (ReadLines).
class DictionaryStore : public DictionaryLookup {
public:
    // Texts that enter the store by an edit are cut to this length, so that the
    // file stays readable by versions that read at most 259 units per line (a
    // longer line would shift every later row there). Texts a file brings are
    // kept whole.
    static constexpr int kMaxTextUnits = 257;
    static constexpr const char* kFileName = "default.dic";

    // folder holds default.dic (empty: the current folder).
    DictionaryStore(UiService& ui, const ExtensionLists& extensions, const QString& folder);

    // Replaces every row with the file's. A missing file is reported and created
    // holding only the mark; one that cannot be created ends the program. A 0-byte
    // file is an empty dictionary. True when the file was read.
    bool LoadDictionary();
    // Writes every row, whole or not at all. True on success. A failure is always
    // reported; success only when asked. A file that the last load could not read
    // is first kept beside it as "default.dic.bak" (with a message that says so);
    // when no copy can be made, nothing is saved.
    enum class Report { Always, FailureOnly };
    bool SaveDictionary(Report report = Report::Always);
    // Adds a row for a media file, or for every media file below a folder, unless
    // a row holds the same name without regard to case. Returns the rows added.
    int AddToDictionary(const QString& path);
    // Fills entry from the first row whose Filename equals the file name of its
    // path exactly; false (entry untouched) when there is none.
    bool FindInDictionary(TrackEntry& entry) const override;
    // What a match gives an entry: the row's texts, found flags, the dictionary as
    // mapping kind and the class of the row's own extension; path and playable stay.
    static void FillEntryFromRow(const DictionaryEntry& row, const ExtensionLists& extensions,
                                 TrackEntry& entry);

    int rowCount() const { return static_cast<int>(rows_.size()); }
    // row must be in 0..rowCount()-1.
    const DictionaryEntry& rowAt(int row) const { return rows_[row]; }
    // The first row whose Filename equals filename exactly, or -1.
    int findRow(const QString& filename) const { return index_.firstRow(filename); }
    // True when a row's Filename equals filename without regard to case.
    bool containsIgnoringCase(const QString& filename) const {
        return index_.containsIgnoringCase(filename);
    }

    // Row edits. Texts are made storable first: line breaks become spaces and
    // the text is cut to kMaxTextUnits. False for a row or column out of range.
    bool setText(int row, int column, const QString& text);
    bool renameRow(int row, const QString& filename) {
        return setText(row, ColumnFilename, filename);
    }
    // Deletes the given rows (any order, repeats and out-of-range ones ignored).
    void deleteRows(const QList<int>& rows);

    // Set while a load, save or add runs: a further one started from the events
    // dispatched meanwhile is refused.
    bool busy() const { return busy_; }
    // True when a row was added, renamed, edited or deleted since the last load
    // or successful save.
    bool modified() const { return modified_; }
    QString filePath() const;
    void setListener(DictionaryListener* listener) { listener_ = listener; }

    // A text as it can be stored: no CR or LF, at most kMaxTextUnits units.
    static QString storableText(const QString& text);

private:
    void resetRows(QList<DictionaryEntry> rows);
    bool createEmptyFile();
    bool keepUnreadFile();
    bool addFile(const QString& name);
    void setModified(bool modified);

    UiService& ui_;
    const ExtensionLists& extensions_;
    QString folder_;
    QList<DictionaryEntry> rows_;
    FilenameIndex index_;
    DictionaryListener* listener_ = nullptr;
    bool busy_ = false;
    bool modified_ = false;
    // The last load refused the file ("not in UNICODE"): its bytes are still the
    // user's, and a save must not destroy them.
    bool unreadFile_ = false;
};
