#include "fuzz/tracklist_fixture.h"

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include "fuzz/mp3_sample.h"
#include "jukebox/common/path_functions.h"
#include "jukebox/common/utf16_file.h"

namespace {

bool writeText(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool link(const QString& target, const QString& path) {
    return ::symlink(LocalPathBytes(target).constData(), LocalPathBytes(path).constData()) == 0;
}

bool build(const QString& at) {
    QDir dir(at);
    Mp3Sample big5;
    big5.codePage = 950;
    big5.genreIndex = 148;
    big5.title = u"\u6708\u4eae";
    Mp3Sample untagged;
    untagged.tagged = false;
    Mp3Sample xing;
    xing.xing = true;
    xing.frames = 8;
    return dir.mkpath(QStringLiteral("album/deeper")) &&
           WriteMp3Sample(dir.filePath(QStringLiteral("song.mp3")), Mp3Sample{}) &&
           WriteMp3Sample(dir.filePath(QStringLiteral("Big5 Song.MP3")), big5) &&
           WriteMp3Sample(dir.filePath(QStringLiteral("album/track1.mp3")), xing) &&
           WriteMp3Sample(dir.filePath(QStringLiteral("album/deeper/plain.mp3")), untagged) &&
           writeText(dir.filePath(QStringLiteral("album/track2.wav")), "RIFF") &&
           writeText(dir.filePath(QStringLiteral("clip.avi")), "RIFF") &&
           writeText(dir.filePath(QStringLiteral("radio.asf")), "") &&
           writeText(dir.filePath(QStringLiteral("notes.txt")), "text") &&
           link(QStringLiteral(".."), dir.filePath(QStringLiteral("album/back"))) &&
           link(QStringLiteral("gone.mp3"), dir.filePath(QStringLiteral("dangling.mp3"))) &&
           WriteUtf16Lines(
               dir.filePath(QStringLiteral("default.dic")),
               {QStringLiteral("plain.mp3"), QStringLiteral("Plain"), QStringLiteral("Someone"),
                QStringLiteral("Rock"), QStringLiteral("2001"), QStringLiteral("Album"),
                QStringLiteral("From the dictionary"), QStringLiteral("radio.asf"),
                QStringLiteral("Radio")});
}

}  // namespace

QString TracklistFixture::root() {
    return QDir::tempPath() + QStringLiteral("/velorine-fuzz-tracklist-files");
}

bool TracklistFixture::ensure() {
    if (QFileInfo::exists(root() + QStringLiteral("/default.dic"))) {
        return true;
    }
    // Built aside and renamed into place, so a second fuzzer starting at the
    // same moment never sees half a tree.
    QTemporaryDir aside(root() + QStringLiteral("-XXXXXX"));
    if (!aside.isValid() || !build(aside.path())) {
        return false;
    }
    if (::rename(LocalPathBytes(aside.path()).constData(), LocalPathBytes(root()).constData()) ==
        0) {
        aside.setAutoRemove(false);
    }
    return QFileInfo::exists(root() + QStringLiteral("/default.dic"));
}

QStringList TracklistFixture::samplePaths() {
    const QStringList names = {
        QStringLiteral("song.mp3"),    QStringLiteral("Big5 Song.MP3"),
        QStringLiteral("album"),       QStringLiteral("album/track1.mp3"),
        QStringLiteral("album/back"),  QStringLiteral("album/deeper/plain.mp3"),
        QStringLiteral("clip.avi"),    QStringLiteral("radio.asf"),
        QStringLiteral("notes.txt"),   QStringLiteral("dangling.mp3"),
        QStringLiteral("missing.mp3"),
    };
    QStringList paths;
    for (const QString& name : names) {
        paths.append(root() + u'/' + name);
    }
    return paths;
}
