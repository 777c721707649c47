#include "jukebox/dictionary/dictionary_store.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>

#include <set>
#include <utility>
#include <vector>

#include "jukebox/common/natural_order.h"
#include "jukebox/common/path_functions.h"
#include "jukebox/common/text_lines.h"
#include "jukebox/common/utf16_file.h"
#include "jukebox/common/whole_file.h"
#include "jukebox/dictionary/dictionary_listener.h"
#include "jukebox/options/extension_lists.h"
#include "jukebox/ui/ui_service.h"

namespace {

// Lines per row in the file, and where each text stands among them.
constexpr qsizetype kLinesPerRow = 7;
constexpr int kFileOrder[kLinesPerRow] = {ColumnFilename, ColumnDisplay, ColumnArtist, ColumnGenre,
                                          ColumnDate,     ColumnSource,  ColumnComment};

class BusyScope {
public:
    explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& flag_;
};

// The names in a folder, hidden ones too, in natural order (the file system's
// own order is no order at all), as the tracklist walks folders. Names are
// bytes: they are decoded without loss, so that a name in GBK or Big5 bytes is
// kept as it is. Events go on being dispatched while a very large folder is
// listed.
QStringList listFolder(const QString& folder, UiService& ui) {
    QStringList names;
    DIR* listing = ::opendir(LocalPathBytes(folder).constData());
    if (listing == nullptr) {
        return names;
    }
    while (dirent* item = ::readdir(listing)) {
        QByteArray name(item->d_name);
        if (name != "." && name != "..") {
            names.append(PathFromLocalBytes(name));
        }
        ui.dispatchEventsIfDue();
    }
    ::closedir(listing);
    SortNaturally(names);
    return names;
}

// A text cut to what one line of the file holds; never half a surrogate pair.
QString cutToLine(QString text) {
    if (text.size() > DictionaryStore::kMaxTextUnits) {
        qsizetype cut = DictionaryStore::kMaxTextUnits;
        if (text.at(cut - 1).isHighSurrogate() && text.at(cut).isLowSurrogate()) {
            --cut;
        }
        text.truncate(cut);
    }
    return text;
}

}  // namespace

DictionaryStore::DictionaryStore(UiService& ui, const ExtensionLists& extensions,
                                 const QString& folder)
    : ui_(ui), extensions_(extensions), folder_(folder) {}

QString DictionaryStore::filePath() const {
    QString name = QString::fromLatin1(kFileName);
    return folder_.isEmpty() ? name : QDir(folder_).filePath(name);
}

QString DictionaryStore::storableText(const QString& text) {
    QString result = text;
    result.replace(u'\r', u' ').replace(u'\n', u' ');
    return cutToLine(std::move(result));
}

void DictionaryStore::resetRows(QList<DictionaryEntry> rows) {
    if (listener_ != nullptr) {
        listener_->rowsAboutToBeReset();
    }
    rows_ = std::move(rows);
    index_.rebuild(rows_);
    if (listener_ != nullptr) {
        listener_->rowsReset();
    }
}

void DictionaryStore::setModified(bool modified) {
    if (modified_ == modified) {
        return;
    }
    modified_ = modified;
    if (listener_ != nullptr) {
        listener_->modifiedChanged(modified);
    }
}

bool DictionaryStore::LoadDictionary() {
    if (busy_) {
        return false;
    }
    BusyScope busy(busy_);
    if (!rows_.isEmpty()) {
        resetRows({});
    }
    // Whatever the file holds, the rows now are what a load gives: nothing of
    // the user's is left to lose.
    setModified(false);
    unreadFile_ = false;
    QString text;
    switch (ReadUtf16File(filePath(), text)) {
        case Utf16FileStatus::Ok:
            break;
        case Utf16FileStatus::Empty:
            return true;
        case Utf16FileStatus::CannotOpen:
            ui_.showMessage(QCoreApplication::translate(
                "DictionaryStore", "Cannot open default.dic\nWill attempt to create"));
            if (!createEmptyFile()) {
                ui_.fatal(
                    QCoreApplication::translate("DictionaryStore", "Cannot create.  Exiting..."));
            }
            return false;
        case Utf16FileStatus::NotUnicode:
            ui_.showMessage(
                QCoreApplication::translate("DictionaryStore", "Dictionary not in UNICODE"));
            unreadFile_ = true;
            return false;
    }
    QStringList lines = ReadLines(text);
    text.clear();
    QList<DictionaryEntry> rows;
    rows.reserve((lines.size() + kLinesPerRow - 1) / kLinesPerRow);
    for (qsizetype first = 0; first < lines.size(); first += kLinesPerRow) {
        DictionaryEntry entry;
        // A file that ends inside a row still gives that row; its missing texts
        // stay empty. Texts are taken whole, however long, so that a save writes
        // them back as they were.
        for (qsizetype i = 0; i < kLinesPerRow && first + i < lines.size(); ++i) {
            entry.text(kFileOrder[i]) = std::move(lines[first + i]);
        }
        rows.append(std::move(entry));
    }
    resetRows(std::move(rows));
    return true;
}

bool DictionaryStore::createEmptyFile() {
    // Only a file that is not there is created: an existing one that could not be
    // read is not overwritten. It gets the mark at once, so that the next start
    // reads it as an empty dictionary.
    const QByteArray path = LocalPathBytes(filePath());
    int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    bool written = ::write(fd, "\xFF\xFE", 2) == 2;
    if (::close(fd) != 0 || !written) {
        ::unlink(path.constData());
        return false;
    }
    return true;
}

bool DictionaryStore::SaveDictionary(Report report) {
    if (busy_) {
        return false;
    }
    BusyScope busy(busy_);
    QStringList lines;
    lines.reserve(rows_.size() * kLinesPerRow);
    for (const DictionaryEntry& row : rows_) {
        for (int column : kFileOrder) {
            lines.append(row.text(column));
        }
    }
    if (!keepUnreadFile() || !WriteUtf16Lines(filePath(), lines)) {
        ui_.showMessage(QCoreApplication::translate("DictionaryStore", "Cannot open default.dic"));
        return false;
    }
    setModified(false);
    if (report == Report::Always) {
        ui_.showMessage(QCoreApplication::translate("DictionaryStore", "Dictionary saved"));
    }
    return true;
}

bool DictionaryStore::keepUnreadFile() {
    if (!unreadFile_) {
        return true;
    }
    QString copy;
    if (!KeepCopyBeside(filePath(), copy)) {
        return false;
    }
    unreadFile_ = false;
    if (!copy.isEmpty()) {
        ui_.showMessage(QCoreApplication::translate(
                            "DictionaryStore", "default.dic was not in UNICODE; it was kept as %1")
                            .arg(FileNamePart(copy)));
    }
    return true;
}

int DictionaryStore::AddToDictionary(const QString& path) {
    if (busy_) {
        return 0;
    }
    BusyScope busy(busy_);
    // Folders are walked depth first in listing order with a stack of their
    // listings, not by recursion, so a deep tree cannot exhaust the call stack.
    // Each real folder is walked once per add, so a symbolic link that leads back
    // up the tree ends the walk there.
    struct Level {
        QString folder;
        QStringList names;
        qsizetype next = 0;
    };
    std::vector<Level> stack;
    std::set<std::pair<dev_t, ino_t>> visitedFolders;
    int added = 0;

    auto visit = [&](const QString& item) {
        QString name = FileNamePart(item);
        if (name == u"." || name == u"..") {
            return;
        }
        struct stat info {};
        if (::stat(LocalPathBytes(item).constData(), &info) != 0 || !S_ISDIR(info.st_mode)) {
            added += addFile(name) ? 1 : 0;
            return;
        }
        if (!visitedFolders.insert({info.st_dev, info.st_ino}).second) {
            return;
        }
        stack.push_back(Level{item, listFolder(item, ui_)});
    };

    visit(path);
    while (!stack.empty()) {
        Level& top = stack.back();
        if (top.next == top.names.size()) {
            stack.pop_back();
            continue;
        }
        QString child = JoinPath(top.folder, top.names[top.next++]);
        ui_.dispatchEventsIfDue();
        visit(child);
    }
    return added;
}

bool DictionaryStore::addFile(const QString& name) {
    if (extensions_.ClassifyExtension(ExtensionPart(name)) == MediaNone) {
        return false;
    }
    // A name the file cannot hold on one line would never match its file again.
    if (storableText(name) != name || index_.containsIgnoringCase(name)) {
        return false;
    }
    int row = rowCount();
    if (listener_ != nullptr) {
        listener_->rowsAboutToBeAppended(row, row);
    }
    DictionaryEntry entry;
    entry.filename = name;
    entry.display = name;
    rows_.append(std::move(entry));
    index_.appended(name, row);
    if (listener_ != nullptr) {
        listener_->rowsAppended();
    }
    setModified(true);
    return true;
}

bool DictionaryStore::FindInDictionary(TrackEntry& entry) const {
    int row = index_.firstRow(FileNamePart(entry.path));
    if (row < 0) {
        return false;
    }
    FillEntryFromRow(rows_[row], extensions_, entry);
    return true;
}

void DictionaryStore::FillEntryFromRow(const DictionaryEntry& row, const ExtensionLists& extensions,
                                       TrackEntry& entry) {
    entry.name = row.display;
    entry.artist = row.artist;
    entry.source = row.source;
    entry.genre = row.genre;
    entry.date = row.date;
    entry.comment = row.comment;
    entry.nameFound = !row.display.isEmpty();
    entry.artistFound = !row.artist.isEmpty();
    entry.sourceFound = !row.source.isEmpty();
    entry.genreFound = !row.genre.isEmpty();
    entry.dateFound = !row.date.isEmpty();
    entry.commentFound = !row.comment.isEmpty();
    entry.mappingKind = MappingDictionary;
    entry.mediaKind = extensions.ClassifyExtension(ExtensionPart(row.filename));
    entry.isXing = false;
    entry.durationMs = 0;
    entry.bitrateKbps = 0;
}

bool DictionaryStore::setText(int row, int column, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= DictionaryColumnCount) {
        return false;
    }
    QString value = storableText(text);
    QString& slot = rows_[row].text(column);
    if (slot == value) {
        return true;
    }
    QString old = std::exchange(slot, std::move(value));
    if (column == ColumnFilename) {
        index_.renamed(rows_, row, old);
    }
    if (listener_ != nullptr) {
        listener_->rowChanged(row);
    }
    setModified(true);
    return true;
}

void DictionaryStore::deleteRows(const QList<int>& rows) {
    std::vector<bool> doomed(rows_.size(), false);
    bool any = false;
    for (int row : rows) {
        if (row >= 0 && row < rowCount()) {
            doomed[row] = true;
            any = true;
        }
    }
    if (!any) {
        return;
    }
    QList<DictionaryEntry> kept;
    kept.reserve(rows_.size());
    for (qsizetype row = 0; row < rows_.size(); ++row) {
        if (!doomed[row]) {
            kept.append(rows_[row]);  // shares the texts; rows_ stays whole until the reset
        }
    }
    resetRows(std::move(kept));
    setModified(true);
}
