#include "jukebox/cover/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include "jukebox/common/path_functions.h"

int OpenRegularFileDescriptor(const QString& path, qint64* size) {
    // Non-blocking, so that opening a FIFO without a writer returns at once; the
    // flag means nothing to the regular files that are kept.
    int fd = ::open(LocalPathBytes(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    if (size != nullptr) {
        *size = info.st_size;
    }
    return fd;
}

bool OpenRegularFile(const QString& path, QFile& file) {
    int fd = OpenRegularFileDescriptor(path);
    if (fd < 0) {
        return false;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

bool ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes) {
    QFile file;
    if (!OpenRegularFile(path, file)) {
        return false;
    }
    const qint64 size = file.size();
    if (size > maxBytes) {
        return false;
    }
    // One byte more than the size tells a file that grows meanwhile; the
    // buffer is only as large as the file.
    bytes = file.read(size + 1);
    return bytes.size() <= maxBytes && file.error() == QFileDevice::NoError;
}
