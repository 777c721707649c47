#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "taglib/tag_change.h"

// The undo journal of the tag tools. Every write and removal of an ID3v1 block is
// kept before the file changes: the file's path, the time, its length and last
// bytes before and after (TagChange). The changes of one command or one button
// press form a run, and the last run can be undone, also after the program was
// closed: each file gets back exactly the bytes it had, unless it changed since.
//
// The journal is a folder, ${XDG_DATA_HOME:-~/.local/share}/marlowisp/journal,
// shared by Pellimorph and Marlowisp. Each run is one file of its own, named by
// its start time, so two programs at work never write into the same file. A run
// file is text, one record a line, each line ending in a checksum: a line cut
// short by a crash or damaged later is skipped, never trusted. The folder keeps
// the last keepRuns runs (and at most kMaxBytes of them).
//
// Nothing here shows messages or throws; lastError() and the reports say what
// went wrong.

struct JournalRecord {
    int64_t timeMs = 0;  // milliseconds since 1970
    TagChange change;
};

struct JournalRun {
    std::string id;  // the name of the run's file
    std::string program;
    int64_t timeMs = 0;
    std::vector<JournalRecord> records;  // in the order the changes were made
    int damagedLines = 0;                // lines that could not be read, skipped
    bool undone = false;
};

enum class UndoResult {
    Restored,         // the file has its old bytes again
    AlreadyAsBefore,  // the change was never made (a crash before it, a failed write)
    ChangedSince,     // the file is not what the run left: left alone
    CannotOpen,       // missing, not a plain file, or not writable
    CannotWrite,      // opened, but putting the bytes back failed
};

struct FileUndo {
    std::string path;  // bytes
    UndoResult result = UndoResult::Restored;
};

struct UndoReport {
    bool found = false;  // there was a run to undo
    std::string runId;
    std::string program;
    int64_t timeMs = 0;
    int damagedLines = 0;         // of the run undone
    std::vector<FileUndo> files;  // in the order undone: the latest change first
    // Every file has its old bytes again (or never lost them).
    bool complete() const;
};

// A short English text for a result: "restored", "changed since, left alone", ...
const char* undoResultText(UndoResult result);

class TagJournal {
public:
    static constexpr int kDefaultKeepRuns = 20;
    static constexpr int64_t kMaxBytes = int64_t{64} << 20;

    // ${XDG_DATA_HOME:-$HOME/.local/share}/marlowisp/journal
    static std::string defaultFolder();

    explicit TagJournal(std::string folder = defaultFolder(), int keepRuns = kDefaultKeepRuns);
    ~TagJournal();
    TagJournal(const TagJournal&) = delete;
    TagJournal& operator=(const TagJournal&) = delete;

    // Starts a run of program (ending one still open). Its file is made with its
    // first record, so a run that changed nothing leaves nothing behind.
    void beginRun(std::string_view program);
    // Keeps a change before it is made. False when it cannot be kept (lastError
    // says why): the caller must then leave the file alone.
    bool record(const TagChange& change);
    // Puts the run's records on disk and ends the run; false when that failed.
    bool endRun();
    // For TagRecord::beforeChange: records into this journal, which must outlive it.
    std::function<bool(const TagChange&)> recorder();

    // The runs, oldest first.
    std::vector<JournalRun> runs() const;
    // Undoes the newest run that is not undone yet and holds a readable record,
    // file by file, the latest change first. A run whose files all have their old
    // bytes again is marked undone, so the next undo goes one run further back;
    // otherwise it can be tried again.
    UndoReport undoLastRun();

    const std::string& folder() const { return folder_; }
    const std::string& lastError() const { return lastError_; }

private:
    bool openRunFile();
    bool appendLine(const std::string& body);
    void pruneOldRuns();
    std::vector<std::string> runFileNames() const;
    bool readRun(const std::string& name, JournalRun& run) const;

    std::string folder_;
    int keepRuns_;
    std::string program_;
    bool inRun_ = false;
    int fd_ = -1;
    int64_t written_ = 0;  // length of the open run file
    int unsynced_ = 0;     // records not yet put on disk
    std::string lastError_;
};
