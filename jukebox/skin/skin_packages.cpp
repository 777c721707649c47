#include "jukebox/skin/skin_packages.h"

#include <stdlib.h>

#include <QFileInfo>
#include <filesystem>
#include <system_error>

#include "jukebox/common/leftovers.h"
#include "jukebox/common/path_functions.h"
#include "jukebox/skin/skin_list_entry.h"
#include "jukebox/skin/spec_parser.h"
#include "jukebox/ui/ui_service.h"

namespace {

namespace fs = std::filesystem;

// A new folder, readable by this user only, named after pattern (whose last six
// characters are XXXXXX); empty when none can be made.
QByteArray makeFreshFolder(QByteArray pattern) {
    return ::mkdtemp(pattern.data()) != nullptr ? pattern : QByteArray();
}

}  // namespace

SkinPackages::SkinPackages(UiService& ui) : ui_(ui) {}

SkinPackages::~SkinPackages() {
    archive_.CloseArchive();
    if (!privateRoot_.isEmpty()) {
        std::error_code error;
        fs::remove_all(fs::path(privateRoot_.toStdString()), error);
    }
}

bool SkinPackages::IsArchivePath(const QString& path) {
    return QFileInfo(path).suffix().compare(u"vlz", Qt::CaseInsensitive) == 0;
}

QString SkinPackages::makeUnpackingFolder() {
    if (privateRoot_.isEmpty()) {
        // Named after this process, so that a later start can remove what a
        // process killed before it could clean up left here.
        privateRoot_ =
            makeFreshFolder(LocalPathBytes(TemporaryFolder()) + '/' + SkinFolderPattern());
        if (privateRoot_.isEmpty()) {
            return {};
        }
    }
    const QByteArray folder = makeFreshFolder(privateRoot_ + "/skin-XXXXXX");
    return folder.isEmpty() ? QString() : PathFromLocalBytes(folder);
}

QString SkinPackages::PrepareSkinFolder(const QString& path) {
    if (!IsArchivePath(path)) {
        return path;
    }
    const QString folder = makeUnpackingFolder();
    if (folder.isEmpty()) {
        return {};
    }
    unpacked_.insert(path, folder);
    archive_.CloseArchive();
    if (archive_.OpenArchive(path)) {
        const int count = archive_.ArchiveEntryCount();
        for (int i = 0; i < count; ++i) {
            // An entry that cannot be written is left out; a missing file is
            // reported by the loader when it needs it. A spec.txt larger than
            // the loader reads is not even written.
            const bool spec = archive_.entryName(i).compare(u"spec.txt", Qt::CaseInsensitive) == 0;
            archive_.ExtractEntry(i, folder, spec ? SpecParser::kMaxFileSize : -1);
        }
    }
    archive_.CloseArchive();
    return folder;
}

void SkinPackages::ReleaseSkinFolder(const QString& path) {
    if (!IsArchivePath(path)) {
        return;
    }
    archive_.CloseArchive();
    const QString folder = unpacked_.take(path);
    if (folder.isEmpty()) {
        return;
    }
    // The folder was made for this one unpacking and nobody else writes into it,
    // so all of it goes: entries beyond the skin's files (a readme, sub-folders)
    // would otherwise pile up with every load until the program ends.
    std::error_code error;
    fs::remove_all(fs::path(LocalPathBytes(folder).toStdString()), error);
}

bool SkinPackages::ReadArchiveHeader(const QString& path, SkinListEntry& entry) {
    archive_.CloseArchive();
    bool found = false;
    if (archive_.OpenArchive(path)) {
        int index = archive_.FindEntry(QStringLiteral("spec.txt"));
        QByteArray start;
        // One byte more than the header needs tells whether its last line is cut.
        if (index >= 0 && archive_.ReadEntryStart(index, kSkinHeaderBytes + 1, start)) {
            ReadSkinHeaderText(start, entry);
            entry.path = path;
            found = true;
        }
    }
    archive_.CloseArchive();
    if (!found) {
        ui_.showMessage(QStringLiteral("spec.txt") + QStringLiteral(" not found in ") + path);
    }
    return found;
}
