#include "jukebox/skin/skin_archive.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <filesystem>
#include <limits>
#include <system_error>

#include <zip.h>

#include "jukebox/common/path_functions.h"
#include "jukebox/cover/regular_file.h"

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

bool makeFolders(const QString& folder) {
    std::error_code error;
    const std::filesystem::path path(LocalPathBytes(folder).toStdString());
    std::filesystem::create_directories(path, error);
    return !error && std::filesystem::is_directory(path, error);
}

// The entry's size as the archive states it; -1 when it does not.
qint64 statedSize(struct zip* archive, int index) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, zip_uint64_t(index), 0, &stat) != 0 ||
        (stat.valid & ZIP_STAT_SIZE) == 0) {
        return -1;
    }
    return stat.size > zip_uint64_t(std::numeric_limits<qint64>::max())
               ? std::numeric_limits<qint64>::max()
               : qint64(stat.size);
}

}  // namespace

SkinArchive::~SkinArchive() {
    CloseArchive();
}

bool SkinArchive::OpenArchive(const QString& path) {
    if (archive_ != nullptr) {
        return false;
    }
    int fd = OpenRegularFileDescriptor(path);
    if (fd < 0) {
        return false;
    }
    int error = 0;
    // On success the archive owns the descriptor.
    archive_ = zip_fdopen(fd, ZIP_CHECKCONS, &error);
    if (archive_ == nullptr) {
        ::close(fd);
    }
    extracted_ = 0;
    return archive_ != nullptr;
}

int SkinArchive::ArchiveEntryCount() const {
    if (archive_ == nullptr) {
        return 0;
    }
    zip_int64_t count = zip_get_num_entries(archive_, 0);
    return count < 0 ? 0 : int(std::min<zip_int64_t>(count, std::numeric_limits<int>::max()));
}

bool SkinArchive::isValidIndex(int index) const {
    return archive_ != nullptr && index >= 0 && index < ArchiveEntryCount();
}

QString SkinArchive::entryName(int index) const {
    if (!isValidIndex(index)) {
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

bool SkinArchive::ExtractEntry(int index, const QString& folder, qint64 sizeLimit) {
    if (!isValidIndex(index) || isLink(index)) {
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
        return makeFolders(target);
    }
    qint64 limit = std::min(maxEntrySize_, maxTotalSize_ - extracted_);
    if (sizeLimit >= 0) {
        limit = std::min(limit, sizeLimit);
    }
    // A stated size over the limit is refused before anything inflates; a
    // false one is caught while counting.
    if (statedSize(archive_, index) > limit || !makeFolders(QFileInfo(target).path())) {
        return false;
    }
    return writeEntry(index, target, limit);
}

bool SkinArchive::writeEntry(int index, const QString& target, qint64 limit) {
    const QByteArray targetBytes = LocalPathBytes(target);
    int fd = ::open(targetBytes.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW,
                    0644);
    if (fd < 0) {
        return false;
    }
    QFile out;
    bool ok = out.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
    if (!ok) {
        ::close(fd);
    }
    zip_file_t* entry = ok ? zip_fopen_index(archive_, zip_uint64_t(index), 0) : nullptr;
    ok = entry != nullptr;
    QByteArray block(kBlock, Qt::Uninitialized);
    qint64 written = 0;
    while (ok) {
        // One byte past the limit is enough to know that the entry is larger.
        const qint64 wanted = std::min(kBlock, limit - written + 1);
        zip_int64_t count = zip_fread(entry, block.data(), zip_uint64_t(wanted));
        if (count == 0) {
            break;
        }
        ok = count > 0 && count <= limit - written && out.write(block.constData(), count) == count;
        written += ok ? count : 0;
    }
    if (entry != nullptr) {
        zip_fclose(entry);
    }
    out.close();
    if (!ok) {
        ::unlink(targetBytes.constData());
        return false;
    }
    extracted_ += written;
    return true;
}

bool SkinArchive::ReadEntryStart(int index, qint64 maxBytes, QByteArray& bytes) {
    bytes.clear();
    if (!isValidIndex(index) || maxBytes < 0) {
        return false;
    }
    zip_file_t* entry = zip_fopen_index(archive_, zip_uint64_t(index), 0);
    if (entry == nullptr) {
        return false;
    }
    bytes.resize(maxBytes);
    qint64 total = 0;
    bool ok = true;
    while (ok && total < maxBytes) {
        zip_int64_t count = zip_fread(entry, bytes.data() + total, zip_uint64_t(maxBytes - total));
        if (count == 0) {
            break;
        }
        ok = count > 0;
        total += ok ? count : 0;
    }
    zip_fclose(entry);
    bytes.resize(ok ? total : 0);
    return ok;
}

void SkinArchive::CloseArchive() {
    if (archive_ != nullptr) {
        zip_discard(archive_);
        archive_ = nullptr;
    }
    extracted_ = 0;
}
