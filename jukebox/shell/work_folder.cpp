#include "jukebox/shell/work_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCryptographicHash>
#include <QDir>
#include <QHash>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "jukebox/common/path_functions.h"
#include "jukebox/common/whole_file.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kListNames[] = {"audio.flt", "video.flt"};
constexpr const char* kDataNames[] = {"default.trk", "default.dic"};
// What the working folder's skins got from the shipped ones: one line per file,
// the SHA-1 of the bytes copied (hex), a space, the path below "skins".
constexpr const char* kShippedRecord = ".shipped-skins";

fs::path fsPath(const QString& path) {
    return fs::path(LocalPathBytes(path).toStdString());
}

QByteArray bytesOf(const fs::path& path) {
    return QByteArray::fromStdString(path.string());
}

QString environment(const char* name) {
    return PathFromLocalBytes(qgetenv(name));
}

bool holdsLists(const QString& folder) {
    return !folder.isEmpty() && FileExists(JoinPath(folder, QStringLiteral("audio.flt")));
}

QString describe(const fs::path& path, const QString& what) {
    return PathFromLocalBytes(bytesOf(path)) + QStringLiteral(": ") + what;
}

QString describe(const fs::path& path, const std::error_code& code) {
    return describe(path, QString::fromLocal8Bit(code.message()));
}

QString describeErrno(const fs::path& path) {
    return describe(path, QString::fromLocal8Bit(std::strerror(errno)));
}

// True when something (of any kind: a FIFO, a dangling link) has that name.
bool nameTaken(const fs::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// A new file with bytes, made only where nothing has that name.
bool createWith(const fs::path& path, const QByteArray& bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    bool written =
        ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size())) == bytes.size();
    if (::close(fd) != 0 || !written) {
        ::unlink(path.c_str());
        return false;
    }
    return true;
}

QByteArray hashOf(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

using ShippedRecord = QHash<QByteArray, QByteArray>;  // path below skins -> hash

ShippedRecord readRecord(const fs::path& file) {
    ShippedRecord record;
    QByteArray text;
    if (ReadFileWhole(PathFromLocalBytes(bytesOf(file)), text) != WholeFileRead::Ok) {
        return record;
    }
    for (const QByteArray& line : text.split('\n')) {
        const qsizetype space = line.indexOf(' ');
        if (space > 0) {
            record.insert(line.mid(space + 1), line.left(space));
        }
    }
    return record;
}

bool writeRecord(const fs::path& file, const ShippedRecord& record) {
    QList<QByteArray> paths = record.keys();
    std::sort(paths.begin(), paths.end());
    QByteArray text;
    for (const QByteArray& path : paths) {
        text += record.value(path) + ' ' + path + '\n';
    }
    return SaveFileWhole(PathFromLocalBytes(bytesOf(file)), text);
}

// The shipped skins, file by file: a file the working folder lacks is copied; one
// that still holds what was copied last time is brought up to date; one that the
// user changed (or that came from elsewhere) is kept. The record says what was
// copied, so that a change is told by its content, not by dates.
bool copySkins(const fs::path& from, const fs::path& to, const fs::path& recordFile,
               QString& error) {
    std::error_code code;
    if (!fs::is_directory(from, code)) {
        return true;
    }
    const ShippedRecord old = readRecord(recordFile);
    ShippedRecord record = old;
    bool ok = true;
    auto fail = [&](const QString& what) {
        error = what;
        ok = false;
    };
    for (auto it = fs::recursive_directory_iterator(from, code);
         !code && it != fs::recursive_directory_iterator(); it.increment(code)) {
        const fs::path relative = fs::relative(it->path(), from, code);
        const fs::path target = to / relative;
        const QByteArray key = bytesOf(relative);
        std::error_code step;
        if (it->is_directory(step)) {
            fs::create_directories(target, step);
            if (step) {
                fail(describe(target, step));
            }
            continue;
        }
        QByteArray shipped;
        if (!it->is_regular_file(step) ||
            ReadFileWhole(PathFromLocalBytes(bytesOf(it->path())), shipped) != WholeFileRead::Ok) {
            continue;
        }
        const QByteArray shippedHash = hashOf(shipped);
        if (!nameTaken(target)) {
            if (!createWith(target, shipped)) {
                fail(describeErrno(target));
                continue;
            }
            record.insert(key, shippedHash);
            continue;
        }
        QByteArray current;
        if (ReadFileWhole(PathFromLocalBytes(bytesOf(target)), current) != WholeFileRead::Ok) {
            continue;  // a folder, a FIFO, ...: the user's
        }
        const QByteArray currentHash = hashOf(current);
        if (currentHash == shippedHash) {
            record.insert(key, shippedHash);
        } else if (old.value(key) == currentHash) {
            if (SaveFileWhole(PathFromLocalBytes(bytesOf(target)), shipped)) {
                record.insert(key, shippedHash);
            } else {
                fail(describe(target, QStringLiteral("cannot be brought up to date")));
            }
        }
    }
    if (code) {
        fail(describe(from, code));
    }
    if (record != old && !writeRecord(recordFile, record)) {
        fail(describe(recordFile, QStringLiteral("cannot be written")));
    }
    return ok;
}

}  // namespace

WorkFolderChoice ChooseWorkFolder(const QString& currentFolder) {
    const QString given = environment("VELORINE_WORK_DIR");
    if (!given.isEmpty()) {
        return {given, true};
    }
    if (holdsLists(currentFolder)) {
        return {currentFolder, false};
    }
    QString dataHome = environment("XDG_DATA_HOME");
    if (dataHome.isEmpty() || !QDir::isAbsolutePath(dataHome)) {
        dataHome = JoinPath(environment("HOME"), QStringLiteral(".local/share"));
    }
    return {JoinPath(dataHome, QStringLiteral("velorine")), true};
}

QString ShippedDataFolder(const QString& programFolder) {
    for (const char* relative : {"../share/velorine/shipped", "../../work"}) {
        const QString folder =
            QDir::cleanPath(JoinPath(programFolder, QString::fromLatin1(relative)));
        if (holdsLists(folder)) {
            return folder;
        }
    }
    return {};
}

bool PrepareWorkFolder(const QString& folder, const QString& shipped, QString& error) {
    const fs::path work = fsPath(folder);
    std::error_code code;
    fs::create_directories(work, code);
    if (code) {
        error = describe(work, code);
        return false;
    }
    bool ok = true;
    // Only what has no file of its name is made: a file the user has, or anything
    // else of that name (a folder, a FIFO), is left as it is.
    auto fillIn = [&](const fs::path& path, const QByteArray& bytes) {
        if (!nameTaken(path) && !createWith(path, bytes)) {
            error = describeErrno(path);
            ok = false;
        }
    };
    if (!shipped.isEmpty()) {
        const fs::path from = fsPath(shipped);
        for (const char* name : kListNames) {
            QByteArray list;
            if (ReadFileWhole(PathFromLocalBytes(bytesOf(from / name)), list) ==
                WholeFileRead::Ok) {
                fillIn(work / name, list);
            }
        }
        ok = copySkins(from / "skins", work / "skins", work / kShippedRecord, error) && ok;
    }
    // Empty ones, so that a first start does not report them missing.
    for (const char* name : kDataNames) {
        fillIn(work / name, QByteArray());
    }
    return ok;
}
