#include "tests/jukebox/tracklist/tracklist_fixture.h"

#include "jukebox/common/path_functions.h"
#include "tests/taglib/id3v1_fixtures.h"

void RecordingObserver::lineAdded(int index, const QString& text) {
    events.append(QStringLiteral("add %1 %2").arg(index).arg(text));
    EXPECT_EQ(index, lines.size()) << "a line is only ever appended";
    lines.append(text);
}

void RecordingObserver::lineReplaced(int index, const QString& text) {
    events.append(QStringLiteral("replace %1 %2").arg(index).arg(text));
    lines[index] = text;
}

void RecordingObserver::linesRemoved(const std::vector<int>& ascending) {
    QStringList numbers;
    for (auto it = ascending.rbegin(); it != ascending.rend(); ++it) {
        lines.removeAt(*it);
    }
    for (int index : ascending) {
        numbers.append(QString::number(index));
    }
    events.append(QStringLiteral("remove ") + numbers.join(u','));
}

void RecordingObserver::linesRefilled(const QStringList& newLines) {
    events.append(QStringLiteral("refill %1").arg(newLines.size()));
    lines = newLines;
}

void RecordingObserver::selectOnly(int index) {
    events.append(QStringLiteral("select %1").arg(index));
}

void RecordingObserver::showDetails() {
    events.append(QStringLiteral("details"));
}

void RecordingObserver::titleChanged(const QString& newTitle) {
    events.append(QStringLiteral("title ") + newTitle);
    title = newTitle;
}

void RecordingObserver::busyChanged(bool busy) {
    events.append(QStringLiteral("busy %1").arg(busy ? 1 : 0));
}

void RecordingObserver::panelSetBits(bool set, int bits) {
    events.append(QStringLiteral("bits %1%2").arg(QChar(set ? u'+' : u'-')).arg(bits));
}

void RecordingObserver::panelPopup(int kind) {
    events.append(QStringLiteral("popup %1").arg(kind));
}

QStringList RecordingObserver::matching(const QString& prefix) const {
    QStringList found;
    for (const QString& event : events) {
        if (event.startsWith(prefix)) {
            found.append(event);
        }
    }
    return found;
}

bool FakeDictionary::FindInDictionary(TrackEntry& entry) const {
    QString fileName = FileNamePart(entry.path);
    asked.append(fileName);
    auto it = rows.find(fileName);
    if (it == rows.end()) {
        return false;
    }
    const TrackEntry& row = it->second;
    entry.name = row.name;
    entry.artist = row.artist;
    entry.source = row.source;
    entry.genre = row.genre;
    entry.date = row.date;
    entry.comment = row.comment;
    entry.nameFound = !row.name.isEmpty();
    entry.artistFound = !row.artist.isEmpty();
    entry.mappingKind = MappingDictionary;
    return true;
}

TracklistTest::TracklistTest() {
    store.setObserver(&observer);
    store.setTracklistPath(path("default.trk"));
    ui.setDispatchIntervalMs(0);
}

QString TracklistTest::path(const std::string& name) const {
    return QString::fromStdString((dir.path() / name).string());
}

QString TracklistTest::writeFile(const std::string& name, const std::string& bytes) {
    std::filesystem::path file = dir.path() / name;
    std::filesystem::create_directories(file.parent_path());
    writeFileBytes(file, bytes);
    return path(name);
}

QString TracklistTest::writeMp3(const std::string& name, const std::string& block) {
    return writeFile(name, audioBody(600) + block);
}

QString TracklistTest::writeTracklist(const std::string& name, const QStringList& lines) {
    std::string bytes = "\xFF\xFE";
    for (const QString& line : lines) {
        bytes += utf16Bytes(line + QStringLiteral("\r\n"));
    }
    return writeFile(name, bytes);
}

void TracklistTest::appendEntries(const QStringList& paths, int playable) {
    for (const QString& entryPath : paths) {
        TrackEntry entry;
        entry.path = entryPath;
        entry.name = FileNamePart(entryPath);
        entry.playable = playable;
        store.AppendEntry(entry);
        observer.lines.append(entryPath);  // the window would add a line too
    }
}

QStringList TracklistTest::storePaths() const {
    QStringList paths;
    for (int i = 0; i < store.EntryCount(); ++i) {
        paths.append(store.EntryAt(i).path);
    }
    return paths;
}

std::string utf16Bytes(const QString& text) {
    std::string bytes;
    for (QChar c : text) {
        bytes += static_cast<char>(c.unicode() & 0xFF);
        bytes += static_cast<char>(c.unicode() >> 8);
    }
    return bytes;
}
