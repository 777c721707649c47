#pragma once

#include <sys/types.h>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

#include "jukebox/playlists/playlist_item.h"
#include "jukebox/playlists/playlist_origins.h"
#include "jukebox/tracklist/entry_builder.h"
#include "jukebox/tracklist/entry_list.h"
#include "jukebox/tracklist/entry_sorter.h"
#include "jukebox/tracklist/folder_votes.h"
#include "jukebox/tracklist/random_generator.h"
#include "jukebox/tracklist/track_entry.h"

class ExtensionLists;
class TagRecord;
class TracklistObserver;
class UiService;
struct TagPageSettings;

// The play queue: the entries, the current track, the tracklist file, adding
// files and folders, play order, sorting, deleting and rescanning. Owned by the
// tracklist window, which shows it through a TracklistObserver. Long operations
// run on the calling thread and pump events between items; busy keeps a second
// one from starting and Abort (RequestAbort) stops the running one.
class TracklistStore {
public:
    // Tries of a play-order move before it gives up (the last one is not examined).
    static constexpr int kAttemptLimit = 100;
    // The list of the working folder, used when none is named or the named one
    // cannot be had.
    static inline const QString kDefaultTracklist = QStringLiteral("default.trk");
    // A load makes room for one entry per line of its file up to this many at
    // once (a line may also name a folder or a file that is no media).
    static constexpr qsizetype kReserveLimit = 1000000;

    // The store reads the list format from tagPage at every use. dictionary may be
    // null: then no dictionary row is ever found.
    TracklistStore(UiService& ui, const ExtensionLists& lists, TagRecord& record,
                   const TagPageSettings& tagPage, const DictionaryLookup* dictionary = nullptr);

    // observer may be null: then nothing is told.
    void setObserver(TracklistObserver* observer);
    // A second observer, told only listChanged (the keeper of the session file);
    // null: none.
    void setChangeObserver(TracklistObserver* observer);
    void setDictionary(const DictionaryLookup* dictionary) { builder_.setDictionary(dictionary); }
    // Where entries keep their files' own texts between runs; null: nowhere.
    void setTagCache(TagCache* cache) { builder_.setTagCache(cache); }
    void seedRandom(uint32_t seed) { random_.seed(seed); }

    // Entries.
    TrackEntry BuildEntry(const QString& path) { return builder_.BuildEntry(path); }
    // A copy of the entry at index; a negative index means the current track.
    // Where there is none, a placeholder that names the reason.
    TrackEntry EntryAt(int index) const;
    int EntryCount() const { return entries_.count(); }
    void AppendEntry(TrackEntry entry);
    void ReplaceEntry(int index, TrackEntry entry);
    void RemoveEntries(int index, int count);
    void ExchangeEntries(int a, int b);
    // The format of the list's lines, as the Tag page has it now.
    const QString& listFormat() const;
    // Every entry's path, in list order.
    QStringList paths() const;
    // Hands every entry's path to take, in list order, without a copy of them
    // all, until take returns false. take may serve events: an edit of the list
    // meanwhile ends the walk.
    void forEachPath(const std::function<bool(const QString&)>& take) const;
    // The first index whose path equals path exactly, or -1.
    int IndexOfPath(const QString& path) const { return entries_.firstIndexOfPath(path); }

    int currentIndex() const { return currentIndex_; }
    // Sets the current track without touching the window (Select).
    void setCurrentIndex(int index);
    const QString& tracklistPath() const { return tracklistPath_; }
    void setTracklistPath(const QString& path);
    bool abortRequested() const { return abortRequested_; }
    // Stops the running load, scan, sort or rescan, or a folder walk of Add or
    // Insert; does nothing when none runs.
    void RequestAbort();
    bool busy() const { return busy_; }

    // The tracklist file, or a playlist of another player (.m3u, .m3u8, .pls).
    // Replaces the entries by the file's paths. False when the file was refused or
    // could not be created.
    bool LoadTracklist();
    // Replaces the entries by paths, as a load does, when they are changes of
    // the tracklist file that were never saved: the title is marked and the
    // file is not touched. False when a load is running.
    bool RestoreTracklist(const QStringList& paths);
    // A load runs; and whether the last one stopped at Abort before its end.
    bool loading() const { return loading_; }
    bool loadAborted() const { return loadAborted_; }
    // Writes every path (as M3U8 or PLS to a playlist's name); on failure the old
    // file stays and the title keeps its mark. A file the last load refused is
    // first kept beside it as "<name>.bak"; when no copy can be made, nothing is
    // saved.
    bool SaveTracklist();
    void UpdateTitle(bool modified);
    const QString& title() const { return title_; }
    bool modified() const { return modified_; }
    // The list may differ from its file: it was marked, or its paths or their
    // order changed (a sort, the Insert key, a command-line file), since the
    // last load or save.
    bool hasUnsavedChanges() const { return unsaved_; }
    // Before the list is replaced: unsaved changes are offered for saving. False
    // when the user keeps the list (Cancel, or Yes and the save failed).
    bool ConfirmReplace();

    // Adding.
    // True when the path was handled (added, scanned, or passed over as no media
    // file); false when refused (abort pending, "." or "..", or a duplicate).
    bool AddPath(const QString& path);
    // True when the folder could be listed.
    bool ScanFolder(const QString& folder);
    // Files and folders dropped on the tracklist window; ignored while busy.
    void AddDroppedFiles(const QStringList& names);
    // Files dropped on the main window (or handed over): the first new entry
    // becomes current; with nothing new, the first of them that is listed
    // already. True when there is such an entry to open; false leaves the
    // current entry as it was.
    bool AddDroppedAsCurrent(const QStringList& names);
    // The file named on the command line becomes current; the result of AddPath.
    bool AddCommandLinePath(const QString& path);

    // Play order. True when there is a current track to open.
    bool NextTrack(bool loopMode, bool randomMode);
    bool PreviousTrack(bool loopMode, bool randomMode);
    // Makes index current (-1 allowed) and selects its line alone.
    void SetCurrent(int index);
    // Selects the current track's line alone.
    void Focus();

    // Window operations over the lines the user selected (any order; repeats and
    // indices out of range are ignored).
    void SetBusy(bool on);
    void FillList();
    void SortEntries(SortKey key);
    void DeleteSelected(const std::vector<int>& selected);
    void RescanSelected(const std::vector<int>& selected);
    // The sort menu's command: sorts, refills the lines and keeps the current track.
    void SortByKey(SortKey key);
    // The Delete command: deletes and keeps the current track current if it stays.
    void DeleteCommand(const std::vector<int>& selected);
    // The Rescan command: rescans and refreshes the details.
    void RescanCommand(const std::vector<int>& selected);
    // Every entry's texts read again, as the Rescan command does for all of
    // them (the way tags are read has changed): events are pumped and Abort stops it.
    void RereadTags();
    // The dictionary's rows changed: the entries that take their texts from it,
    // or would now, are built again, so that names given in the dictionary
    // window show at once. Nothing while busy. Returns the entries rebuilt.
    int ApplyDictionary();

private:
    // Empties the store and fills it through fill(), which adds the paths.
    // unsavedChanges: the paths are changes of the file never saved (marked).
    bool load(const std::function<bool()>& fill, bool unsavedChanges);
    bool loadTracklistFile();
    bool loadPlaylist();
    // The messages for a file that cannot be opened, then create(); false (after
    // the fatal message) when the file cannot be created.
    bool createMissing(const std::function<bool()>& create);
    void refused(const QString& reason);
    bool keepRefusedFile();
    // AddPath for every path next() gives, with events pumped and Abort heard.
    void addLoadedPaths(const std::function<bool(QString&)>& next);
    std::vector<PlaylistItem> playlistItems() const;
    // The first entry that one of names is (a file) or holds (a folder), or -1.
    int firstListedOf(const QStringList& names) const;
    void appendWithLine(TrackEntry entry);
    // The tags read by one long operation (a drop, a load, a re-read): the
    // files of each folder vote, and those read otherwise are read again.
    void beginVotes();
    void noteVote(int index);
    void settleVotes();
    QString lineFor(int index) const;
    bool isPlayable(int index) const;
    // Steps from the current track (step(i, count) gives the next candidate) to the
    // first playable entry, within the attempt limit.
    bool moveToPlayable(bool loopMode, const std::function<int(int, int)>& step);
    std::vector<int> validSelection(const std::vector<int>& selected) const;
    void panelScan(bool on, int bits);
    // The paths or their order changed.
    void pathsEdited();
    void changed();
    bool scanListedFolder(const QString& folder, dev_t device, ino_t inode);
    void sortEntries(SortKey key);
    // Lets go of the array a sort replaced, a slice at a time with events served.
    void dropRetired();
    void dropInSlices(std::vector<TrackEntry>& old);
    // DeleteSelected; keepCurrent: the current track stays current where it went.
    void deleteLines(const std::vector<int>& selected, bool keepCurrent);

    UiService& ui_;
    TagRecord& record_;
    const TagPageSettings& tagPage_;
    EntryBuilder builder_;
    EntryList entries_;
    FolderVotes votes_;
    RandomGenerator random_;
    TracklistObserver* observer_;
    TracklistObserver* changeObserver_;

    int currentIndex_ = -1;
    QString tracklistPath_;
    bool abortRequested_ = false;
    bool busy_ = false;
    bool modified_ = false;
    bool unsaved_ = false;
    bool loading_ = false;
    bool loadAborted_ = false;
    QString title_;
    // A file the last load refused (not in UNICODE, too large) is still the
    // user's: a save to it keeps a copy first.
    QString refusedPath_;
    QString refusedReason_;
    // What the playlist the entries came from said of them, for saving it again.
    PlaylistOrigins playlistOrigins_;
    // Folders being walked, so that a link back to one of them ends the descent.
    std::vector<std::pair<dev_t, ino_t>> walkStack_;
    // The entries in their order before the last sort, until let go of.
    std::vector<TrackEntry> retired_;
};
