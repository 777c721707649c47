#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include "jukebox/skin/skin_archive.h"

class UiService;
struct SkinListEntry;

// Skin folders and packed skins ("vlz" archives). Each time an archive is
// unpacked it gets a fresh, empty folder of its own inside a private temporary
// folder of this process, whatever the archive is called: unpacking and
// cleaning up never touch the skins folder or anything else, and never find
// what an earlier archive left. The private folder goes when this object does.
class SkinPackages {
public:
    explicit SkinPackages(UiService& ui);
    ~SkinPackages();
    SkinPackages(const SkinPackages&) = delete;
    SkinPackages& operator=(const SkinPackages&) = delete;

    // True for a path whose extension is "vlz" in any case.
    static bool IsArchivePath(const QString& path);
    // The folder to read the skin from: a folder path is itself; an archive is
    // unpacked (every entry that can be, keeping its sub-folders) into a new
    // folder that is returned. Empty only when no private folder can be made.
    QString PrepareSkinFolder(const QString& path);
    // After PrepareSkinFolder: for an archive, removes its unpacking folder with
    // everything in it (the folder is this process's own, made for that one
    // unpacking).
    void ReleaseSkinFolder(const QString& path);

    // The header of an archive's top-level spec.txt, read from the archive
    // itself. Without one (or when the archive cannot be read) the message
    // "spec.txt not found in <path>" is shown and false returned.
    bool ReadArchiveHeader(const QString& path, SkinListEntry& entry);

private:
    QString makeUnpackingFolder();

    UiService& ui_;
    SkinArchive archive_;
    QByteArray privateRoot_;            // empty until first needed
    QHash<QString, QString> unpacked_;  // archive path -> its unpacking folder
};
