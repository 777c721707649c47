#include "jukebox/skin/skin_packages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "jukebox/skin/skin_list_entry.h"
#include "jukebox/ui/ui_service.h"

SkinPackages::SkinPackages(UiService& ui) : ui_(ui) {}

SkinPackages::~SkinPackages() = default;

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

QString SkinPackages::UnpackingFolder(const QString& archivePath) {
    if (!privateRoot_) {
        privateRoot_ = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                                       QStringLiteral("/velorine-skins-XXXXXX"));
    }
    if (!privateRoot_->isValid()) {
        return {};
    }
    return privateRoot_->filePath(QFileInfo(archivePath).completeBaseName());
}

QString SkinPackages::PrepareSkinFolder(const QString& path) {
    if (!IsArchivePath(path)) {
        return path;
    }
    const QString folder = UnpackingFolder(path);
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        return {};
    }
    archive_.CloseArchive();
    if (archive_.OpenArchive(path)) {
        const int count = archive_.ArchiveEntryCount();
        for (int i = 0; i < count; ++i) {
            // An entry that cannot be written is left out; a missing file is
            // reported by the loader when it needs it.
            archive_.ExtractEntry(i, folder);
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
    const QString folder = UnpackingFolder(path);
    if (folder.isEmpty()) {
        return;
    }
    QDir dir(folder);
    for (const QString& name : CleanUpList()) {
        dir.remove(name);
    }
    QDir().rmdir(folder);
}

bool SkinPackages::ReadArchiveHeader(const QString& path, SkinListEntry& entry) {
    const QString folder = UnpackingFolder(path);
    archive_.CloseArchive();
    bool found = false;
    if (!folder.isEmpty() && QDir().mkpath(folder) && archive_.OpenArchive(path)) {
        int index = archive_.FindEntry(QStringLiteral("spec.txt"));
        if (index >= 0 && archive_.ExtractEntry(index, folder)) {
            const QString extracted = folder + QStringLiteral("/") + archive_.entryName(index);
            entry.path = path;
            found = ReadSkinHeader(extracted, entry);
            QFile::remove(extracted);
        }
    }
    archive_.CloseArchive();
    if (!folder.isEmpty()) {
        QDir().rmdir(folder);
    }
    if (!found) {
        ui_.showMessage(QStringLiteral("spec.txt") + QStringLiteral(" not found in ") + path);
    }
    return found;
}
