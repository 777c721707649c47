#include "jukebox/skin/skin_list.h"

#include <filesystem>
#include <system_error>

#include "jukebox/common/path_functions.h"
#include "jukebox/skin/skin_files.h"
#include "jukebox/skin/skin_packages.h"

void SkinList::ScanSkins(const QString& workFolder) {
    entries_.clear();
    namespace fs = std::filesystem;
    const fs::path skins = fs::path(LocalPathBytes(workFolder).toStdString()) / "skins";
    std::error_code error;
    // The listing's own order, as the folder gives it: no sorting.
    for (fs::directory_iterator it(skins, error), end; !error && it != end; it.increment(error)) {
        const QString path = PathFromLocalBytes(QByteArray::fromStdString(it->path().string()));
        SkinListEntry entry;
        std::error_code kindError;
        if (it->is_directory(kindError)) {
            if (ReadSkinHeader(SkinFilePath(path, QStringLiteral("spec.txt")), entry)) {
                entry.path = path;
                entries_.append(entry);
            }
        } else if (SkinPackages::IsArchivePath(path)) {
            if (packages_.ReadArchiveHeader(path, entry)) {
                entries_.append(entry);
            }
        }
    }
    current_ = 0;
    for (int i = 0; i < entries_.size(); ++i) {
        if (!storedName_.isEmpty() && entries_[i].name == storedName_) {
            current_ = i;
            break;
        }
    }
}

bool SkinList::SelectSkin(const QString& name) {
    for (int i = 0; i < entries_.size(); ++i) {
        if (entries_[i].name == name) {
            current_ = i;
            storedName_ = name;
            return true;
        }
    }
    return false;
}

bool SkinList::SelectIndex(int index) {
    if (index < 0 || index >= entries_.size()) {
        return false;
    }
    current_ = index;
    storedName_ = entries_[index].name;
    return true;
}

const SkinListEntry* SkinList::current() const {
    return current_ >= 0 && current_ < entries_.size() ? &entries_[current_] : nullptr;
}

QString SkinList::CurrentSkinName() const {
    const SkinListEntry* entry = current();
    return entry != nullptr ? entry->name : QString();
}

QString SkinList::CurrentSkinPath() const {
    const SkinListEntry* entry = current();
    return entry != nullptr ? entry->path : QString();
}
