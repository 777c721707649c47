#include "jukebox/skin/skin_packages.h"

#include <stdlib.h>

#include <QFileInfo>
#include <filesystem>
#include <system_error>

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

bool isOnCleanUpList(const QString& name) {
    for (const QString& listed : SkinPackages::CleanUpList()) {
        if (listed.compare(name, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
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

const QStringList& SkinPackages::CleanUpList() {
    static const QStringList list = {
        QStringLiteral("a_anim.bmp"),    QStringLiteral("a_av.bmp"),
        QStringLiteral("a_bslider.bmp"), QStringLiteral("a_bthumb.bmp"),
        QStringLiteral("a_panel.bmp"),   QStringLiteral("a_pm.bmp"),
        QStringLiteral("a_pslider.bmp"), QStringLiteral("a_pthumb.bmp"),
        QStringLiteral("a_sep.bmp"),     QStringLiteral("a_tag.bmp"),
        QStringLiteral("a_time.bmp"),    QStringLiteral("a_vslider.bmp"),
        QStringLiteral("a_vthumb.bmp"),  QStringLiteral("a_alpha.bmp"),
        QStringLiteral("m_anim.bmp"),    QStringLiteral("m_av.bmp"),
        QStringLiteral("m_bslider.bmp"), QStringLiteral("m_bthumb.bmp"),
        QStringLiteral("m_panel.bmp"),   QStringLiteral("m_pm.bmp"),
        QStringLiteral("m_pslider.bmp"), QStringLiteral("m_pthumb.bmp"),
        QStringLiteral("m_sep.bmp"),     QStringLiteral("m_tag.bmp"),
        QStringLiteral("m_time.bmp"),    QStringLiteral("m_vslider.bmp"),
        QStringLiteral("m_vthumb.bmp"),  QStringLiteral("m_alpha.bmp"),
        QStringLiteral("spec.txt"),
    };
    return list;
}

QString SkinPackages::makeUnpackingFolder() {
    if (privateRoot_.isEmpty()) {
        QByteArray temporary = qgetenv("TMPDIR");
        if (temporary.isEmpty()) {
            temporary = "/tmp";
        }
        privateRoot_ = makeFreshFolder(temporary + "/velorine-skins-XXXXXX");
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
    const fs::path unpacked(LocalPathBytes(folder).toStdString());
    std::error_code error;
    for (fs::directory_iterator it(unpacked, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code kindError;
        const QString name =
            PathFromLocalBytes(QByteArray::fromStdString(it->path().filename().string()));
        if (!it->is_directory(kindError) && isOnCleanUpList(name)) {
            fs::remove(it->path(), kindError);
        }
    }
    // Fails, as it should, while anything else is left in the folder.
    fs::remove(unpacked, error);
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
