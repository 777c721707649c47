#pragma once

#include <QString>
#include <QStringList>

class UiService;

// Kinds of media by extension.
enum MediaClass { MediaNone = 0, MediaVideo = 1, MediaAudio = 2 };

// The audio and video extension lists that decide what a file is. They live in
// "audio.flt" and "video.flt" in the working folder: 8-bit text, one extension per
// line, without a dot ("mp3"); comparisons ignore case.
class ExtensionLists {
public:
    // Loads both lists from folder (audio first); a missing file is reported and
    // created empty, and one that cannot be created ends the program.
    ExtensionLists(UiService& ui, const QString& folder);
    // Lists given directly, for callers that read no files.
    ExtensionLists(UiService& ui, QStringList audio, QStringList video);

    // 1 video, 2 audio, 0 neither; the video list is searched first.
    int ClassifyExtension(const QString& extension) const;

    const QStringList& audioExtensions() const { return audio_; }
    const QStringList& videoExtensions() const { return video_; }

    // Replaces both lists and writes both files (audio first). False when a file
    // could not be written; the lists in memory keep the new entries all the same.
    bool replaceAndSave(const QStringList& audio, const QStringList& video);

    // Reads one list file; the messages name the file.
    bool LoadExtensionList(const QString& name, QStringList& list);
    // Writes one list file whole, or leaves the old one as it was.
    bool SaveExtensionList(const QString& name, const QStringList& list);

    static constexpr const char* kAudioFile = "audio.flt";
    static constexpr const char* kVideoFile = "video.flt";

private:
    QString pathOf(const QString& name) const;

    UiService& ui_;
    QString folder_;
    QStringList audio_;
    QStringList video_;
};

// True for "asf" and "asx" in any case: streams whose tags are not read.
bool IsStreamExtension(const QString& extension);
