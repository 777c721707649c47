#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "jukebox/skin/skin_archive.h"

class QTemporaryDir;
class UiService;
struct SkinListEntry;

// Skin folders and packed skins ("vlz" archives). An archive is unpacked into a
// folder of its own name inside a private temporary folder of this process, so
// that unpacking and cleaning up never touch the skins folder: an installed
// skin folder and an archive of the same name cannot harm each other. The
// private folder goes when this object does.
class SkinPackages {
public:
    explicit SkinPackages(UiService& ui);
    ~SkinPackages();
    SkinPackages(const SkinPackages&) = delete;
    SkinPackages& operator=(const SkinPackages&) = delete;

    // True for a path whose extension is "vlz" in any case.
    static bool IsArchivePath(const QString& path);
    // The files a loaded skin leaves in its unpacking folder and that are
    // deleted afterwards.
    static const QStringList& CleanUpList();

    // The folder to read the skin from: a folder path is itself; an archive is
    // unpacked (every entry that can be, keeping its sub-folders) and its
    // unpacking folder returned. Empty only when no private folder can be made.
    QString PrepareSkinFolder(const QString& path);
    // After PrepareSkinFolder: for an archive, deletes the files of the clean-up
    // list and then the unpacking folder if nothing else is left in it.
    void ReleaseSkinFolder(const QString& path);

    // The header of an archive's top-level spec.txt. Without one (or when the
    // archive cannot be read) the message "spec.txt not found in <path>" is
    // shown and false returned.
    bool ReadArchiveHeader(const QString& path, SkinListEntry& entry);

    // Where an archive is unpacked; empty when no private folder can be made.
    QString UnpackingFolder(const QString& archivePath);

private:
    UiService& ui_;
    SkinArchive archive_;
    std::unique_ptr<QTemporaryDir> privateRoot_;
};
