#include "jukebox/common/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "jukebox/common/leftovers.h"
#include "jukebox/common/path_functions.h"

namespace {

bool writeAll(int fd, QByteArrayView bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += n;
    }
    return true;
}

// Writes, flushes to the disk and closes, checking every step: a full disk or a
// quota may only show at the flush or the close.
using Writer = std::function<bool(const ByteSink&)>;

// The disk writes of each range are started as soon as it is written, so that
// they run while the rest is made.
void startWriteback(int fd, qint64 offset, qint64 length) {
#ifdef __linux__
    ::sync_file_range(fd, offset, length, SYNC_FILE_RANGE_WRITE);
#else
    (void)fd, (void)offset, (void)length;
#endif
}

// With between, the flush waits for the disk a range at a time, between()
// after each, so that the flush at the end has little left to wait for. Here a
// failed write shows, and must be taken as the flush's failure: it is not
// told again.
bool awaitWriteback(int fd, qint64 size, const std::function<void()>& between) {
#ifdef __linux__
    constexpr qint64 kRange = qint64(1) << 20;
    for (qint64 at = 0; between && at < size; at += kRange) {
        if (::sync_file_range(fd, at, std::min(kRange, size - at),
                              SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE |
                                  SYNC_FILE_RANGE_WAIT_AFTER) != 0 &&
            errno != EINVAL && errno != ENOSYS) {
            return false;
        }
        between();
    }
#else
    (void)fd, (void)size, (void)between;
#endif
    return true;
}

// Hands write's bytes to fd; false unless all of them, exactly size, went.
// early: each block's disk writes are started at once (for a flush in steps).
bool writeCounted(int fd, qint64 size, const Writer& write, bool early = false) {
    qint64 written = 0;
    const bool ok = write([fd, size, early, &written](QByteArrayView bytes) {
        written += bytes.size();
        if (written > size || !writeAll(fd, bytes)) {
            return false;
        }
        if (early) {
            startWriteback(fd, written - bytes.size(), bytes.size());
        }
        return true;
    });
    return ok && written == size;
}

bool writeFlushClose(int fd, qint64 size, const Writer& write,
                     const std::function<void()>& between) {
    bool written = writeCounted(fd, size, write, bool(between)) &&
                   awaitWriteback(fd, size, between) && (::fsync(fd) == 0 || errno == EINVAL);
    return ::close(fd) == 0 && written;
}

// The file a save replaces: the target of a symbolic link, else the path itself.
QByteArray replacedFile(const QByteArray& path) {
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return path;
    }
    char* real = ::realpath(path.constData(), nullptr);
    if (real == nullptr) {
        return path;
    }
    QByteArray resolved(real);
    std::free(real);
    return resolved;
}

// A new, empty file in the folder of target, with a short name of its own so
// that a target name near the length limit still leaves room. -1 and errno set
// when none can be made.
int createBeside(const QByteArray& target, QByteArray& name) {
    qsizetype slash = target.lastIndexOf('/');
    QByteArray folder = slash >= 0 ? target.left(slash + 1) : QByteArray();
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + SaveTemporaryName(QRandomGenerator::global()->generate64());
        int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// A second name for target beside it, which keeps the old file after a new one
// took its name; false when none can be made (no file yet, or no links here).
bool linkBeside(const QByteArray& target, QByteArray& name) {
    qsizetype slash = target.lastIndexOf('/');
    QByteArray folder = slash >= 0 ? target.left(slash + 1) : QByteArray();
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + SaveTemporaryName(QRandomGenerator::global()->generate64());
        if (::link(target.constData(), name.constData()) == 0) {
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

// Lets go of a replaced file kept under a second name: cut down a range at a
// time, between() after each, since giving back all its blocks at once can take
// long (a file system that discards freed blocks waits for the disk). A file
// that still has other names is only unnamed here.
void releaseBeside(const QByteArray& name, const std::function<void()>& between) {
    int fd = ::open(name.constData(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat info {};
    if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink == 1) {
        constexpr off_t kRange = off_t(1) << 18;
        for (off_t size = info.st_size; size > 0;) {
            size = std::max<off_t>(size - kRange, 0);
            if (::ftruncate(fd, size) != 0) {
                break;
            }
            between();
        }
    }
    if (fd >= 0) {
        ::close(fd);
    }
    ::unlink(name.constData());
}

// Writing in place cannot keep the old file when the write fails halfway, so the
// room for the new one is claimed first: a full disk or a quota then refuses the
// save while the old bytes are all still there. Only then is it overwritten, and
// cut to its new length.
bool saveInPlace(const QByteArray& target, qint64 size, const Writer& write) {
    // Non-blocking, so that a FIFO of that name cannot hang the save.
    int fd = ::open(target.constData(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    const off_t oldSize = info.st_size;
    const auto newSize = static_cast<off_t>(size);
    // Only the part past the old end is claimed: where the file system cannot
    // reserve, the C library's stand-in writes into that part alone.
    const bool room =
        regular && (newSize <= oldSize || ::posix_fallocate(fd, oldSize, newSize - oldSize) == 0);
    if (!room) {
        // What a partial claim added goes again; the old bytes were not touched.
        if (regular && ::ftruncate(fd, oldSize) != 0) {
            // Nothing more to undo: the old bytes are whole either way.
        }
        ::close(fd);
        return false;
    }
    // Written from the start, where the descriptor stands after the open.
    const bool ok = writeCounted(fd, size, write) && ::ftruncate(fd, newSize) == 0 &&
                    (::fsync(fd) == 0 || errno == EINVAL);
    return ::close(fd) == 0 && ok;
}

}  // namespace

WholeFileRead ReadFileWhole(const QString& path, QByteArray& bytes) {
    bytes.clear();
    // Non-blocking, so that a FIFO cannot hang the open; only regular files are read.
    int fd = ::open(LocalPathBytes(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return WholeFileRead::CannotOpen;
    }
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (ok) {
        bytes.reserve(static_cast<qsizetype>(info.st_size));
        char buffer[65536];
        for (;;) {
            ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                ok = n == 0;
                break;
            }
            bytes.append(buffer, n);
        }
    }
    ::close(fd);
    if (!ok) {
        bytes.clear();
        return WholeFileRead::CannotOpen;
    }
    return WholeFileRead::Ok;
}

WholeFileRead ReadFileBlocks(const QString& path, qsizetype blockBytes, const ByteBlockSink& take) {
    int fd = ::open(LocalPathBytes(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return WholeFileRead::CannotOpen;
    }
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    QByteArray block(std::max<qsizetype>(blockBytes, 1), Qt::Uninitialized);
    while (ok) {
        ssize_t n = ::read(fd, block.data(), static_cast<size_t>(block.size()));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        if (!take(QByteArrayView(block.constData(), n))) {
            break;
        }
    }
    ::close(fd);
    return ok ? WholeFileRead::Ok : WholeFileRead::CannotOpen;
}

bool KeepCopyBeside(const QString& path, QString& copyPath) {
    copyPath.clear();
    const QByteArray source = LocalPathBytes(path);
    int in = ::open(source.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0) {
        return errno == ENOENT;
    }
    struct stat info {};
    if (::fstat(in, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(in);
        return false;
    }
    QByteArray name;
    int out = -1;
    for (int attempt = 0; attempt < 100 && out < 0; ++attempt) {
        name = source + (attempt == 0 ? QByteArray() : '.' + QByteArray::number(attempt)) + ".bak";
        out =
            ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, info.st_mode & 0777);
        if (out < 0 && errno != EEXIST) {
            break;
        }
    }
    bool ok = out >= 0;
    char buffer[65536];
    while (ok) {
        ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        ok = writeAll(out, QByteArray::fromRawData(buffer, n));
    }
    ::close(in);
    if (out >= 0) {
        ok = ok && (::fsync(out) == 0 || errno == EINVAL);
        ok = ::close(out) == 0 && ok;
        if (!ok) {
            ::unlink(name.constData());
        }
    }
    if (ok) {
        copyPath = PathFromLocalBytes(name);
    }
    return ok;
}

bool IsRegularOrMissing(const QString& path) {
    struct stat info {};
    if (::stat(LocalPathBytes(path).constData(), &info) != 0) {
        return errno == ENOENT;
    }
    return S_ISREG(info.st_mode);
}

bool SaveFileWhole(const QString& path, const QByteArray& bytes) {
    return SaveFileWhole(path, bytes.size(), [&bytes](const ByteSink& put) { return put(bytes); });
}

bool SaveFileWhole(const QString& path, qint64 size,
                   const std::function<bool(const ByteSink& put)>& write,
                   const std::function<void()>& between, bool inPlace) {
    const QByteArray target = replacedFile(LocalPathBytes(path));
    QByteArray temporary;
    int fd = createBeside(target, temporary);
    if (fd < 0) {
        // Only a folder that refuses new files falls back; on a full disk the old
        // file is better kept than truncated.
        return inPlace && (errno == EACCES || errno == EPERM) && saveInPlace(target, size, write);
    }
    struct stat old {};
    if (::stat(target.constData(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);  // the new file keeps the old one's permissions
    }
    if (!writeFlushClose(fd, size, write, between)) {
        ::unlink(temporary.constData());
        return false;
    }
    // With between, the old file is kept under a second name through the
    // switch, and let go of afterwards in steps.
    QByteArray aside;
    const bool kept = between && linkBeside(target, aside);
    if (::rename(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        if (kept) {
            ::unlink(aside.constData());
        }
        return false;
    }
    if (kept) {
        releaseBeside(aside, between);
    }
    return true;
}
