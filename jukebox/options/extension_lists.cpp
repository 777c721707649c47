#include "jukebox/options/extension_lists.h"

#include <fcntl.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>

#include "jukebox/common/path_functions.h"
#include "jukebox/common/text_lines.h"
#include "jukebox/common/whole_file.h"
#include "jukebox/ui/ui_service.h"

ExtensionLists::ExtensionLists(UiService& ui, const QString& folder) : ui_(ui), folder_(folder) {
    LoadExtensionList(QString::fromLatin1(kAudioFile), audio_);
    LoadExtensionList(QString::fromLatin1(kVideoFile), video_);
}

ExtensionLists::ExtensionLists(UiService& ui, QStringList audio, QStringList video)
    : ui_(ui), audio_(std::move(audio)), video_(std::move(video)) {}

int ExtensionLists::ClassifyExtension(const QString& extension) const {
    if (video_.contains(extension, Qt::CaseInsensitive)) {
        return MediaVideo;
    }
    if (audio_.contains(extension, Qt::CaseInsensitive)) {
        return MediaAudio;
    }
    return MediaNone;
}

QString ExtensionLists::pathOf(const QString& name) const {
    return folder_.isEmpty() ? name : QDir(folder_).filePath(name);
}

namespace {

// Only a file that is not there is created: one that exists but cannot be read (a
// folder, a FIFO, a file without read permission) is left as it is.
bool createEmpty(const QString& path) {
    int fd =
        ::open(LocalPathBytes(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    return fd >= 0 && ::close(fd) == 0;
}

}  // namespace

bool ExtensionLists::LoadExtensionList(const QString& name, QStringList& list) {
    list.clear();
    QByteArray bytes;
    // Only a regular file is read, and without waiting: a FIFO of that name
    // would otherwise hold the start up for ever.
    if (ReadFileWhole(pathOf(name), bytes) != WholeFileRead::Ok) {
        ui_.showMessage(
            QCoreApplication::translate("ExtensionLists", "Cannot open %1\nWill attempt to create")
                .arg(name));
        if (!createEmpty(pathOf(name))) {
            ui_.fatal(QCoreApplication::translate("ExtensionLists", "Cannot create.  Exiting..."));
        }
        return false;
    }
    // Each byte is the character of the same code.
    QString text = QString::fromLatin1(bytes);
    for (const QString& line : ReadLines(text)) {
        if (!line.isEmpty()) {
            list.append(line);
        }
    }
    return true;
}

bool ExtensionLists::SaveExtensionList(const QString& name, const QStringList& list) {
    QByteArray bytes;
    for (const QString& entry : list) {
        // Characters above U+00FF have no byte of their own and are written as "?".
        QString latin = entry;
        for (QChar& c : latin) {
            if (c.unicode() > 0xFF) {
                c = u'?';
            }
        }
        bytes += latin.toLatin1();
        bytes += "\r\n";
    }
    if (!SaveFileWhole(pathOf(name), bytes)) {
        ui_.showMessage(QCoreApplication::translate("ExtensionLists", "Cannot open %1").arg(name));
        return false;
    }
    return true;
}

bool ExtensionLists::replaceAndSave(const QStringList& audio, const QStringList& video) {
    audio_ = audio;
    video_ = video;
    bool audioSaved = SaveExtensionList(QString::fromLatin1(kAudioFile), audio_);
    bool videoSaved = SaveExtensionList(QString::fromLatin1(kVideoFile), video_);
    return audioSaved && videoSaved;
}

bool IsStreamExtension(const QString& extension) {
    return extension.compare(u"asf", Qt::CaseInsensitive) == 0 ||
           extension.compare(u"asx", Qt::CaseInsensitive) == 0;
}
