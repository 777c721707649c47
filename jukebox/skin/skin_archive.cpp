#include "jukebox/skin/skin_archive.h"

#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <zip.h>

namespace {

constexpr qint64 kBlock = 65535;

// The entry's path below the unpacking folder, or empty when it would lead
// elsewhere. Windows tools may separate folders with "\".
QString safeRelativePath(QString name) {
    name.replace(u'\\', u'/');
    if (name.isEmpty() || name.startsWith(u'/') ||
        (name.size() >= 2 && name[1] == u':' && name[0].isLetter())) {
        return {};
    }
    const QStringList parts = name.split(u'/', Qt::SkipEmptyParts);
    if (parts.isEmpty()) {
        return {};
    }
    for (const QString& part : parts) {
        if (part == u"..") {
            return {};
        }
    }
    return name;
}

}  // namespace

SkinArchive::~SkinArchive() {
    CloseArchive();
}

bool SkinArchive::OpenArchive(const QString& path) {
    if (archive_ != nullptr) {
        return false;
    }
    int error = 0;
    archive_ = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    return archive_ != nullptr;
}

int SkinArchive::ArchiveEntryCount() const {
    if (archive_ == nullptr) {
        return 0;
    }
    zip_int64_t count = zip_get_num_entries(archive_, 0);
    return count < 0 ? 0 : int(std::min<zip_int64_t>(count, std::numeric_limits<int>::max()));
}

QString SkinArchive::entryName(int index) const {
    if (archive_ == nullptr || index < 0 || index >= ArchiveEntryCount()) {
        return {};
    }
    const char* name = zip_get_name(archive_, zip_uint64_t(index), ZIP_FL_ENC_GUESS);
    return name != nullptr ? QString::fromUtf8(name) : QString();
}

int SkinArchive::FindEntry(const QString& name) const {
    const int count = ArchiveEntryCount();
    for (int i = 0; i < count; ++i) {
        if (entryName(i).compare(name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

bool SkinArchive::isLink(int index) const {
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive_, zip_uint64_t(index), 0, &system, &attributes) !=
        0) {
        return true;
    }
    return system == ZIP_OPSYS_UNIX && ((attributes >> 16) & S_IFMT) == S_IFLNK;
}

bool SkinArchive::ExtractEntry(int index, const QString& folder) {
    if (archive_ == nullptr || index < 0 || index >= ArchiveEntryCount() || isLink(index)) {
        return false;
    }
    const QString relative = safeRelativePath(entryName(index));
    if (relative.isEmpty()) {
        return false;
    }
    const QString root = QDir::cleanPath(QDir(folder).absolutePath());
    const QString target = QDir::cleanPath(root + u'/' + relative);
    if (!target.startsWith(root + u'/')) {
        return false;
    }
    if (relative.endsWith(u'/')) {
        return QDir().mkpath(target);
    }
    if (!QDir().mkpath(QFileInfo(target).path())) {
        return false;
    }
    zip_file_t* entry = zip_fopen_index(archive_, zip_uint64_t(index), 0);
    if (entry == nullptr) {
        return false;
    }
    QFile out(target);
    bool ok = out.open(QIODevice::WriteOnly | QIODevice::Truncate);
    QByteArray block(kBlock, Qt::Uninitialized);
    qint64 written = 0;
    while (ok) {
        zip_int64_t count = zip_fread(entry, block.data(), zip_uint64_t(kBlock));
        if (count == 0) {
            break;
        }
        written += count;
        ok = count > 0 && written <= kMaxEntrySize && out.write(block.constData(), count) == count;
    }
    zip_fclose(entry);
    out.close();
    if (!ok) {
        out.remove();
    }
    return ok;
}

void SkinArchive::CloseArchive() {
    if (archive_ != nullptr) {
        zip_discard(archive_);
        archive_ = nullptr;
    }
}
