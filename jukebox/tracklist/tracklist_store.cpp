#include "jukebox/tracklist/tracklist_store.h"

#include <dirent.h>
#include <sys/stat.h>
#include <QCoreApplication>
#include <algorithm>
#include <cstring>
#include <ctime>
#include <numeric>

#include "jukebox/common/natural_order.h"
#include "jukebox/common/path_functions.h"
#include "jukebox/common/utf16_file.h"
#include "jukebox/common/whole_file.h"
#include "jukebox/playlists/playlist_format.h"
#include "jukebox/playlists/playlist_reader.h"
#include "jukebox/playlists/playlist_writer.h"
#include "jukebox/tracklist/format_entry.h"
#include "jukebox/tracklist/tag_page_settings.h"
#include "jukebox/tracklist/tracklist_observer.h"
#include "jukebox/ui/ui_service.h"
#include "taglib/tag_record.h"

namespace {

TracklistObserver nullObserver;  // until a window observes the store

TrackEntry placeholder(const QString& name) {
    TrackEntry entry;
    entry.name = name;
    return entry;
}

enum class PathKind { Missing, Folder, File };

// found: info holds what stat says of the file (not so for a dangling link).
PathKind kindOf(const QByteArray& localPath, struct stat& info, bool& found) {
    found = ::stat(localPath.constData(), &info) == 0;
    if (found) {
        return S_ISDIR(info.st_mode) ? PathKind::Folder : PathKind::File;
    }
    // A link whose target is gone is still a name in its folder: a file.
    return ::lstat(localPath.constData(), &info) == 0 ? PathKind::File : PathKind::Missing;
}

PathKind kindOf(const QString& path) {
    struct stat info {};
    bool found = false;
    return kindOf(LocalPathBytes(path), info, found);
}

// A tracklist line cannot hold a line break: a path with one would come back from
// the saved file as other paths.
bool hasLineBreak(QStringView path) {
    return path.contains(u'\n') || path.contains(u'\r');
}

bool hasLineBreak(const char* name) {
    return std::strpbrk(name, "\r\n") != nullptr;
}

}  // namespace

TracklistStore::TracklistStore(UiService& ui, const ExtensionLists& lists, TagRecord& record,
                               const TagPageSettings& tagPage, const DictionaryLookup* dictionary)
    : ui_(ui),
      record_(record),
      tagPage_(tagPage),
      builder_(ui, lists, record, dictionary, &tagPage),
      random_(static_cast<uint32_t>(std::time(nullptr))),
      observer_(&nullObserver),
      changeObserver_(&nullObserver) {}

void TracklistStore::setObserver(TracklistObserver* observer) {
    observer_ = observer != nullptr ? observer : &nullObserver;
}

void TracklistStore::setChangeObserver(TracklistObserver* observer) {
    changeObserver_ = observer != nullptr ? observer : &nullObserver;
}

void TracklistStore::changed() {
    changeObserver_->listChanged();
}

void TracklistStore::pathsEdited() {
    // What a load adds is the file's own content.
    if (!loading_) {
        unsaved_ = true;
    }
    changed();
}

void TracklistStore::AppendEntry(TrackEntry entry) {
    entries_.append(std::move(entry));
    pathsEdited();
}

void TracklistStore::ReplaceEntry(int index, TrackEntry entry) {
    const bool samePath = entries_.at(index).path == entry.path;
    entries_.replace(index, std::move(entry));
    if (!samePath) {
        pathsEdited();
    }
}

void TracklistStore::RemoveEntries(int index, int count) {
    entries_.removeFrom(index, count);
    pathsEdited();
}

void TracklistStore::ExchangeEntries(int a, int b) {
    entries_.exchange(a, b);
    pathsEdited();
}

void TracklistStore::setCurrentIndex(int index) {
    currentIndex_ = index;
    changed();
}

void TracklistStore::setTracklistPath(const QString& path) {
    tracklistPath_ = path;
    changed();
}

TrackEntry TracklistStore::EntryAt(int index) const {
    if (entries_.isEmpty()) {
        return placeholder(QCoreApplication::translate("TracklistStore", "Tracklist is empty"));
    }
    if (index < 0) {
        index = currentIndex_;
        if (index < 0) {
            return placeholder(
                QCoreApplication::translate("TracklistStore", "No media file loaded"));
        }
    }
    if (index < entries_.count()) {
        return entries_.at(index);
    }
    return placeholder(QCoreApplication::translate("TracklistStore", "Out of range"));
}

QStringList TracklistStore::paths() const {
    QStringList paths;
    paths.reserve(entries_.count());
    for (const TrackEntry& entry : entries_.entries()) {
        paths.append(entry.path);
    }
    return paths;
}

void TracklistStore::forEachPath(const std::function<bool(const QString&)>& take) const {
    const unsigned revision = entries_.revision();
    for (int i = 0; i < entries_.count() && entries_.revision() == revision; ++i) {
        // A copy shares the text, and stays whole should take serve events.
        const QString path = entries_.at(i).path;
        if (!take(path)) {
            return;
        }
    }
}

QString TracklistStore::lineFor(int index) const {
    // A window that formats the lines it shows is told only which line changed.
    if (!observer_->wantsLineTexts()) {
        return {};
    }
    return FormatEntry(tagPage_.listFormat, EntryAt(index));
}

const QString& TracklistStore::listFormat() const {
    return tagPage_.listFormat;
}

void TracklistStore::appendWithLine(TrackEntry entry) {
    entries_.append(std::move(entry));
    int index = entries_.count() - 1;
    observer_->lineAdded(index, lineFor(index));
    pathsEdited();
}

void TracklistStore::UpdateTitle(bool modified) {
    modified_ = modified;
    title_ = QCoreApplication::translate("TracklistStore", "Tracklist - %1")
                 .arg(FileNamePart(tracklistPath_));
    if (modified) {
        title_ += QStringLiteral(" *");
        unsaved_ = true;
    }
    observer_->titleChanged(title_);
    changed();
}

void TracklistStore::SetBusy(bool on) {
    busy_ = on;
    observer_->busyChanged(on);
}

void TracklistStore::panelScan(bool on, int bits) {
    observer_->panelSetBits(on, bits);
    observer_->panelPopup(bits);
}

void TracklistStore::FillList() {
    QStringList lines;
    if (observer_->wantsLineTexts()) {
        lines.reserve(entries_.count());
        for (int i = 0; i < entries_.count(); ++i) {
            lines.append(lineFor(i));
        }
    }
    observer_->linesRefilled(lines);
}

bool TracklistStore::LoadTracklist() {
    return load(
        [this] { return IsPlaylistPath(tracklistPath_) ? loadPlaylist() : loadTracklistFile(); },
        false);
}

bool TracklistStore::RestoreTracklist(const QStringList& paths) {
    return load(
        [this, &paths] {
            entries_.reserve(static_cast<int>(paths.size()));
            qsizetype next = 0;
            addLoadedPaths([&paths, &next](QString& path) {
                if (next >= paths.size()) {
                    return false;
                }
                path = paths[next++];
                return true;
            });
            return true;
        },
        true);
}

bool TracklistStore::load(const std::function<bool()>& fill, bool unsavedChanges) {
    if (loading_) {
        return false;  // the running load owns the entries
    }
    SetBusy(true);
    loading_ = true;
    abortRequested_ = false;
    unsaved_ = false;  // what was unsaved is given up from here on
    EntryList::Parts old;
    entries_.clear(old);
    observer_->linesRefilled({});
    // Letting go of a long list takes a while: a step at a time.
    ui_.dispatchEvents();
    old.index = {};
    dropInSlices(old.entries);
    refusedPath_.clear();
    playlistOrigins_.clear();
    changed();
    beginVotes();
    const bool loaded = fill();
    settleVotes();
    loadAborted_ = abortRequested_;
    loading_ = false;
    if (loaded) {
        UpdateTitle(unsavedChanges);
    }
    SetBusy(false);
    abortRequested_ = false;
    changed();
    return loaded;
}

bool TracklistStore::loadTracklistFile() {
    // Read a block at a time: a list of 100,000 lines is never held whole as
    // text, which would take a while to read and to let go of again.
    QStringList lines;
    switch (ReadUtf16Lines(tracklistPath_, lines, [this] { ui_.dispatchEventsIfDue(); })) {
        case Utf16FileStatus::Ok:
        case Utf16FileStatus::Empty:  // a file made by an earlier start: an empty list
            break;
        case Utf16FileStatus::CannotOpen:
            // Created with its mark, so the next start reads it as an empty list.
            if (!createMissing([this] { return WriteUtf16Lines(tracklistPath_, {}); })) {
                return false;
            }
            break;
        case Utf16FileStatus::NotUnicode:
            ui_.showMessage(
                QCoreApplication::translate("TracklistStore", "Tracklist not in UNICODE"));
            refused(QCoreApplication::translate("TracklistStore", "was not in UNICODE"));
            return false;
    }
    ui_.dispatchEventsIfDue();
    const auto named = std::count_if(lines.begin(), lines.end(), [](const QString& line) {
        return !line.isEmpty() && !line.startsWith(u';');
    });
    entries_.reserve(static_cast<int>(std::min<qsizetype>(named, kReserveLimit)));
    ui_.dispatchEventsIfDue();
    qsizetype next = 0;
    addLoadedPaths([&lines, &next](QString& path) {
        while (next < lines.size()) {
            const QString& line = lines.at(next++);
            if (!line.isEmpty() && !line.startsWith(u';')) {
                path = line;
                return true;
            }
        }
        return false;
    });
    return true;
}

// A playlist of another player: its entries join as the lines of a tracklist do.
bool TracklistStore::loadPlaylist() {
    PlaylistReader reader;
    switch (reader.open(tracklistPath_)) {
        case PlaylistReader::Status::Ok:
            break;
        case PlaylistReader::Status::CannotOpen:
            // Created empty in its own format: a playlist name never holds a tracklist.
            if (!createMissing([this] { return PlaylistWriter::Save(tracklistPath_, {}); })) {
                return false;
            }
            break;
        case PlaylistReader::Status::TooLarge:
            ui_.showMessage(
                QCoreApplication::translate("TracklistStore", "Playlist too large (over %1 MiB)")
                    .arg(PlaylistReader::kMaxBytes >> 20));
            refused(QCoreApplication::translate("TracklistStore", "was too large to open"));
            return false;
    }
    addLoadedPaths([this, &reader](QString& path) {
        PlaylistItem item;
        if (!reader.next(item)) {
            return false;
        }
        playlistOrigins_.remember(item);
        path = item.path;
        return true;
    });
    return true;
}

bool TracklistStore::createMissing(const std::function<bool()>& create) {
    ui_.showMessage(tracklistPath_);
    ui_.showMessage(QCoreApplication::translate("TracklistStore",
                                                "Cannot open tracklist\nWill attempt to create"));
    // An existing file that cannot be read is never overwritten.
    if (!FileExists(tracklistPath_) && create()) {
        return true;
    }
    // A list on a stick that was unplugged must not lock the user out: the
    // default list of the working folder takes its place. Only when that one
    // cannot be had either is there nothing to go on with.
    if (tracklistPath_ != kDefaultTracklist) {
        ui_.showMessage(
            QCoreApplication::translate("TracklistStore", "Cannot create.  Using %1 instead")
                .arg(kDefaultTracklist));
        tracklistPath_ = kDefaultTracklist;
        return loadTracklistFile();
    }
    ui_.fatal(QCoreApplication::translate("TracklistStore", "Cannot create.  Exiting..."));
    return false;
}

void TracklistStore::addLoadedPaths(const std::function<bool(QString&)>& next) {
    panelScan(true, TracklistObserver::kPanelScanning);
    QString path;
    for (;;) {
        ui_.dispatchEventsIfDue();
        if (abortRequested_ || !next(path)) {
            break;  // after Abort the remaining paths would all be refused
        }
        AddPath(path);
    }
    panelScan(false, TracklistObserver::kPanelScanning);
}

void TracklistStore::refused(const QString& reason) {
    refusedPath_ = tracklistPath_;
    refusedReason_ = reason;
}

bool TracklistStore::keepRefusedFile() {
    if (refusedPath_.isEmpty() || refusedPath_ != tracklistPath_) {
        return true;
    }
    QString copy;
    if (!KeepCopyBeside(tracklistPath_, copy)) {
        return false;
    }
    refusedPath_.clear();
    if (!copy.isEmpty()) {
        ui_.showMessage(QCoreApplication::translate("TracklistStore", "%1 %2; it was kept as %3")
                            .arg(FileNamePart(tracklistPath_), refusedReason_, FileNamePart(copy)));
    }
    return true;
}

bool TracklistStore::SaveTracklist() {
    SetBusy(true);
    bool saved = false;
    if (!keepRefusedFile()) {
        // Nothing is written over a file whose copy could not be made.
    } else if (IsPlaylistPath(tracklistPath_)) {
        saved = PlaylistWriter::Save(tracklistPath_, playlistItems());
    } else {
        // The paths are a copy: nothing done meanwhile (busy holds edits back)
        // can change what is written.
        saved = WriteUtf16Lines(tracklistPath_, paths(), [this] { ui_.dispatchEventsIfDue(); });
    }
    if (saved) {
        unsaved_ = false;
    } else {
        ui_.showMessage(QCoreApplication::translate("TracklistStore", "Cannot save tracklist"));
    }
    // A failed save keeps the mark: the changes are still unsaved.
    UpdateTitle(saved ? false : modified_);
    SetBusy(false);
    return saved;
}

bool TracklistStore::ConfirmReplace() {
    if (!unsaved_) {
        return true;
    }
    switch (ui_.askYesNoCancel(QCoreApplication::translate(
        "TracklistStore", "The tracklist has unsaved changes. Save them first?"))) {
        case UiService::Answer::Yes:
            return SaveTracklist();
        case UiService::Answer::No:
            return true;
        case UiService::Answer::Cancel:
            break;
    }
    return false;
}

// For other players: the title as "Artist - Title" where the texts give both, and
// what the playlist the entry came from said of it.
std::vector<PlaylistItem> TracklistStore::playlistItems() const {
    std::vector<PlaylistItem> items;
    items.reserve(static_cast<std::size_t>(entries_.count()));
    for (const TrackEntry& entry : entries_.entries()) {
        const QString title = entry.artistFound && !entry.artist.isEmpty()
                                  ? entry.artist + QStringLiteral(" - ") + entry.name
                                  : entry.name;
        const int seconds = entry.durationMs > 0 ? (entry.durationMs + 500) / 1000 : -1;
        items.push_back(playlistOrigins_.itemFor(entry.path, title, seconds));
    }
    return items;
}

bool TracklistStore::AddPath(const QString& path) {
    if (abortRequested_) {
        return false;
    }
    QString fileName = FileNamePart(path);
    if (fileName == u"." || fileName == u"..") {
        return false;
    }
    if (hasLineBreak(path)) {
        // Passed over like a file that is not media.
        observer_->showDetails();
        return true;
    }
    // One stat tells the kind and, for a file, whether its cached texts hold.
    const QByteArray localPath = LocalPathBytes(path);
    struct stat info {};
    bool found = false;
    switch (kindOf(localPath, info, found)) {
        case PathKind::Missing:
            // Addresses and missing files join without further tests.
            appendWithLine(BuildEntry(path));
            return true;
        case PathKind::Folder:
            ScanFolder(path);
            return true;
        case PathKind::File:
            break;
    }
    // The kind and the duplicate test come before the tag is read: a file that
    // would not be added is not opened.
    if (builder_.mediaKindOf(path) != 0) {
        if (entries_.containsPath(path)) {
            return false;
        }
        TrackEntry entry = found ? builder_.BuildEntry(path, localPath, info) : BuildEntry(path);
        appendWithLine(std::move(entry));
        noteVote(EntryCount() - 1);
    }
    observer_->showDetails();
    return true;
}

void TracklistStore::beginVotes() {
    votes_.begin();
}

void TracklistStore::noteVote(int index) {
    if (votes_.active() && builder_.lastReadDetected()) {
        votes_.note(index, entries_.at(index).path, builder_.lastScores(), builder_.lastCodePage());
    }
}

// Reading again only the tags that their folder reads otherwise keeps a folder
// of clear tags at the cost of one read each.
void TracklistStore::settleVotes() {
    votes_.settle([this](int index, const CodePageVote& vote) {
        if (index >= EntryCount()) {
            return;
        }
        record_.vote = &vote;
        TrackEntry entry = BuildEntry(entries_.at(index).path);
        record_.vote = nullptr;
        entries_.replace(index, std::move(entry));
        observer_->lineReplaced(index, lineFor(index));
    });
}

bool TracklistStore::ScanFolder(const QString& folder) {
    if (abortRequested_) {
        return false;
    }
    DIR* listing = ::opendir(LocalPathBytes(folder).constData());
    if (listing == nullptr) {
        return false;
    }
    struct stat info {};
    if (::fstat(::dirfd(listing), &info) != 0) {
        ::closedir(listing);
        return false;
    }
    auto here = std::make_pair(info.st_dev, info.st_ino);
    // A folder already being walked further up is reached again through a
    // link: entering it would never end.
    if (std::find(walkStack_.begin(), walkStack_.end(), here) != walkStack_.end()) {
        ::closedir(listing);
        return false;
    }
    walkStack_.push_back(here);
    // The names are read first and walked in natural order, as file managers
    // list them: the file system's own order is no order at all.
    QStringList names;
    while (dirent* item = ::readdir(listing)) {
        ui_.dispatchEventsIfDue();  // a slow disk may take long to list
        if (abortRequested_) {
            break;
        }
        const QByteArray name = QByteArray::fromRawData(item->d_name, std::strlen(item->d_name));
        if (name != "." && name != ".." && !hasLineBreak(item->d_name)) {
            names.append(PathFromLocalBytes(name));
        }
    }
    ::closedir(listing);
    if (abortRequested_) {
        names.clear();
    }
    SortNaturally(names);
    for (const QString& name : names) {
        ui_.dispatchEventsIfDue();
        if (abortRequested_) {
            break;
        }
        AddPath(JoinPath(folder, name));
    }
    walkStack_.pop_back();
    if (walkStack_.empty() && !busy_) {
        // A walk of its own (Add, Insert) ends here: an Abort that stopped it is
        // spent, so the next Add or Insert is not refused.
        abortRequested_ = false;
    }
    return true;
}

void TracklistStore::RequestAbort() {
    // With nothing running there is nothing to stop; a flag left set would
    // refuse the next Add or Insert without a word.
    if (busy_ || loading_ || !walkStack_.empty()) {
        abortRequested_ = true;
    }
}

void TracklistStore::AddDroppedFiles(const QStringList& names) {
    if (busy_) {
        return;
    }
    SetBusy(true);
    abortRequested_ = false;
    panelScan(true, TracklistObserver::kPanelScanning);
    beginVotes();
    for (const QString& name : names) {
        if (abortRequested_) {
            break;
        }
        ui_.dispatchEventsIfDue();
        // A name that cannot be read counts as a folder, whose listing then fails.
        // One with a line break is refused like any file that is not media.
        if (kindOf(name) == PathKind::File || hasLineBreak(name)) {
            AddPath(name);
        } else {
            ScanFolder(name);
        }
    }
    settleVotes();
    panelScan(false, TracklistObserver::kPanelScanning);
    UpdateTitle(true);
    SetBusy(false);
    abortRequested_ = false;
}

bool TracklistStore::AddDroppedAsCurrent(const QStringList& names) {
    const int before = currentIndex_;
    const int firstNew = EntryCount();
    currentIndex_ = firstNew;
    AddDroppedFiles(names);
    if (EntryCount() == firstNew) {
        // Nothing new: a dropped file (or a file of a dropped folder) that is
        // listed already becomes current; else the current entry stays.
        const int listed = firstListedOf(names);
        currentIndex_ = listed >= 0 ? listed : before;
        Focus();
        changed();
        return listed >= 0;
    }
    Focus();
    changed();
    return true;
}

int TracklistStore::firstListedOf(const QStringList& names) const {
    for (const QString& name : names) {
        const int index = entries_.firstIndexOfPath(name);
        if (index >= 0) {
            return index;
        }
        if (kindOf(name) == PathKind::File) {
            continue;
        }
        QString folder = name;
        while (folder.size() > 1 && folder.endsWith(u'/')) {
            folder.chop(1);
        }
        const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
        for (int i = 0; i < EntryCount(); ++i) {
            if (entries_.at(i).path.startsWith(prefix)) {
                return i;
            }
        }
    }
    return -1;
}

bool TracklistStore::AddCommandLinePath(const QString& path) {
    // A file already in the list is not added twice; it becomes the current
    // entry, so that opening a known file from the desktop plays it.
    if (!abortRequested_ && entries_.containsPath(path)) {
        for (int i = 0; i < EntryCount(); ++i) {
            if (entries_.at(i).path == path) {
                currentIndex_ = i;
                changed();
                Focus();
                return true;
            }
        }
    }
    currentIndex_ = EntryCount();
    bool handled = AddPath(path);
    Focus();
    changed();
    return handled;
}

bool TracklistStore::isPlayable(int index) const {
    return index >= 0 && index < entries_.count() && entries_.at(index).playable != 0;
}

bool TracklistStore::NextTrack(bool loopMode, bool randomMode) {
    return moveToPlayable(loopMode, [this, randomMode](int i, int n) {
        if (randomMode) {
            // 0 .. n; n itself names no entry. 64 bits: n * 32767 overflows 32 bits
            // for lists of more than 65537 entries.
            return static_cast<int>(static_cast<int64_t>(n) * random_.next() /
                                    RandomGenerator::kMax);
        }
        return i >= n - 1 ? 0 : i + 1;  // wraps to the top
    });
}

bool TracklistStore::PreviousTrack(bool loopMode, bool /*randomMode*/) {
    // Stops at the top: no wrap to the end.
    return moveToPlayable(loopMode, [](int i, int) { return std::max(i, 1) - 1; });
}

bool TracklistStore::moveToPlayable(bool loopMode, const std::function<int(int, int)>& step) {
    const int n = EntryCount();
    if (n == 0) {
        return false;
    }
    if (loopMode) {
        return true;  // the current track plays again
    }
    int i = currentIndex_;
    for (int attempt = 1;; ++attempt) {
        i = step(i, n);
        if (attempt == kAttemptLimit) {
            ui_.notify(
                QCoreApplication::translate("TracklistStore", "Tried 100 searches, none playable"));
            return false;
        }
        if (isPlayable(i)) {
            break;
        }
    }
    SetCurrent(i);
    return true;
}

void TracklistStore::SetCurrent(int index) {
    currentIndex_ = index;
    changed();
    observer_->selectOnly(index >= 0 && index < EntryCount() ? index : -1);
    observer_->showDetails();
}

void TracklistStore::Focus() {
    observer_->selectOnly(currentIndex_ >= 0 && currentIndex_ < EntryCount() ? currentIndex_ : -1);
    observer_->showDetails();
}

std::vector<int> TracklistStore::validSelection(const std::vector<int>& selected) const {
    std::vector<int> valid;
    valid.reserve(selected.size());
    for (int index : selected) {
        if (index >= 0 && index < EntryCount()) {
            valid.push_back(index);
        }
    }
    std::sort(valid.begin(), valid.end());
    valid.erase(std::unique(valid.begin(), valid.end()), valid.end());
    return valid;
}

void TracklistStore::SortEntries(SortKey key) {
    sortEntries(key);
    retired_ = {};
}

void TracklistStore::dropRetired() {
    dropInSlices(retired_);
}

void TracklistStore::dropInSlices(std::vector<TrackEntry>& old) {
    while (!old.empty()) {
        old.resize(old.size() - std::min(old.size(), EntryList::kSlice));
        ui_.dispatchEventsIfDue();
    }
    old = {};  // its room too
}

void TracklistStore::sortEntries(SortKey key) {
    const int n = EntryCount();
    if (n == 0) {
        return;
    }
    SetBusy(true);
    panelScan(true, TracklistObserver::kPanelSorting);
    abortRequested_ = false;
    // The sort reads the entries' texts in place. Nothing that runs while it pumps
    // events may edit them (busy guards that); should it happen all the same, the
    // sort stops before it reads again and the list stays as it is.
    const unsigned revision = entries_.revision();
    std::optional<std::vector<int>> order =
        EntrySorter::SortedOrder(entries_.entries(), key, [this, revision] {
            ui_.dispatchEventsIfDue();
            return abortRequested_ || entries_.revision() != revision;
        });
    // A list already in order stays as its file has it. Once the order is
    // found, Abort no longer stops the sort: the entries take it whole.
    if (order && !std::is_sorted(order->begin(), order->end()) &&
        entries_.reorder(
            *order,
            [this, revision] {
                ui_.dispatchEventsIfDue();
                return entries_.revision() == revision;
            },
            retired_)) {
        pathsEdited();
    }
    panelScan(false, TracklistObserver::kPanelSorting);
    SetBusy(false);
    abortRequested_ = false;
}

void TracklistStore::SortByKey(SortKey key) {
    sortEntries(key);
    // The current track as it was at the switch, not when the sort began: a
    // track that ended while the sort served events has moved it on. Its index
    // still counts in the old order, which the retired array keeps.
    const std::vector<TrackEntry>& before = retired_.empty() ? entries_.entries() : retired_;
    const bool hadCurrent = currentIndex_ >= 0 && currentIndex_ < static_cast<int>(before.size());
    const QString current =
        hadCurrent ? before[static_cast<size_t>(currentIndex_)].path : QString();
    observer_->selectOnly(-1);
    FillList();
    int index = hadCurrent ? entries_.firstIndexOfPath(current) : -1;
    if (index >= 0) {
        SetCurrent(index);
    }
    // Only now: the lines show the new order, and the old array is no list's.
    dropRetired();
}

void TracklistStore::DeleteSelected(const std::vector<int>& selected) {
    deleteLines(selected, false);
}

void TracklistStore::DeleteCommand(const std::vector<int>& selected) {
    deleteLines(selected, true);
}

void TracklistStore::deleteLines(const std::vector<int>& selected, bool keepCurrent) {
    std::vector<int> doomed = validSelection(selected);
    if (doomed.empty()) {
        return;
    }
    // A long list is cut down beside the old one with events served, as a sort
    // is: meanwhile it is busy, so nothing else edits it, and the old entries and
    // lines stay in view until the new ones replace them in one step.
    const bool sliced = EntryCount() > static_cast<int>(EntryList::kSlice);
    const unsigned revision = entries_.revision();  // the list the selection was made in
    if (sliced) {
        SetBusy(true);
        abortRequested_ = false;
        ui_.dispatchEvents();
    }
    EntryList::Parts pruned;
    bool ready = entries_.prune(
        doomed,
        [this, revision, sliced] {
            if (sliced) {
                ui_.dispatchEventsIfDue();
            }
            return entries_.revision() == revision;
        },
        pruned);
    if (ready && sliced) {
        ui_.dispatchEvents();  // the switch below starts a step of its own
        ready = entries_.revision() == revision;
    }
    if (ready) {
        // The current track as it is now, not as it was when the delete began:
        // a track that ended meanwhile has moved it on.
        const bool hadCurrent = currentIndex_ >= 0 && currentIndex_ < EntryCount();
        const QString current = hadCurrent ? entries_.at(currentIndex_).path : QString();
        entries_.adopt(pruned);
        observer_->linesRemoved(doomed);
        pathsEdited();
        if (EntryCount() > 0) {
            observer_->selectOnly(std::min(doomed.front(), EntryCount() - 1));
            UpdateTitle(true);
        }
        if (keepCurrent) {
            observer_->selectOnly(-1);
            SetCurrent(hadCurrent ? entries_.firstIndexOfPath(current) : -1);
        }
    }
    if (sliced) {
        SetBusy(false);
        abortRequested_ = false;
        // What the list let go of goes after the lines have been shown, in
        // steps of their own.
        ui_.dispatchEvents();
        pruned.index = {};
        dropInSlices(pruned.entries);
    }
}

void TracklistStore::RescanSelected(const std::vector<int>& selected) {
    std::vector<int> lines = validSelection(selected);
    if (lines.empty()) {
        return;
    }
    SetBusy(true);
    abortRequested_ = false;
    panelScan(true, TracklistObserver::kPanelScanning);
    beginVotes();
    for (int index : lines) {
        ui_.dispatchEventsIfDue();
        if (abortRequested_) {
            break;
        }
        if (index >= EntryCount()) {
            continue;
        }
        entries_.replace(index, BuildEntry(entries_.at(index).path));
        noteVote(index);
        observer_->lineReplaced(index, lineFor(index));
    }
    settleVotes();
    panelScan(false, TracklistObserver::kPanelScanning);
    SetBusy(false);
    abortRequested_ = false;
}

int TracklistStore::ApplyDictionary() {
    if (busy_) {
        return 0;
    }
    int rebuilt = 0;
    for (int index = 0; index < EntryCount(); ++index) {
        const TrackEntry& entry = entries_.at(index);
        if (!builder_.TakesDictionary(entry)) {
            continue;
        }
        TrackEntry fresh = BuildEntry(entry.path);
        if (fresh == entry) {
            continue;
        }
        entries_.replace(index, std::move(fresh));
        observer_->lineReplaced(index, lineFor(index));
        ++rebuilt;
    }
    if (rebuilt > 0) {
        observer_->showDetails();
    }
    return rebuilt;
}

void TracklistStore::RescanCommand(const std::vector<int>& selected) {
    RescanSelected(selected);
    observer_->showDetails();
}

void TracklistStore::RereadTags() {
    std::vector<int> all(static_cast<std::size_t>(EntryCount()));
    std::iota(all.begin(), all.end(), 0);
    RescanCommand(all);
}
