#include "jukebox/common/leftovers.h"

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "jukebox/common/path_functions.h"

namespace {

constexpr const char* kSavePrefix = ".velorine-";
constexpr const char* kSaveSuffix = ".tmp";
constexpr const char* kSkinPrefix = "velorine-skins-";
// mkdtemp replaces six characters.
constexpr qsizetype kSkinRandomLength = 6;
// A name of an older version tells no process; a save or an unpacking of one
// that still runs is over within this time.
constexpr time_t kLegacyAgeSeconds = 60 * 60;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLowerAlnum(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'z');
}

bool isAlnum(char c) {
    return isLowerAlnum(c) || (c >= 'A' && c <= 'Z');
}

template <typename Pred>
bool allOf(QByteArrayView text, Pred pred) {
    if (text.isEmpty()) {
        return false;
    }
    for (char c : text) {
        if (!pred(c)) {
            return false;
        }
    }
    return true;
}

// Who made a leftover, as its name tells.
enum class Maker { NotOurs, Process, OlderVersion };

// "<pid>-<rest>" with rest matching restOk, or "<rest>" alone (older versions).
template <typename Pred>
Maker makerOf(QByteArrayView middle, Pred restOk, pid_t& pid) {
    const qsizetype dash = middle.indexOf('-');
    if (dash < 0) {
        return restOk(middle) ? Maker::OlderVersion : Maker::NotOurs;
    }
    const QByteArrayView digits = middle.first(dash);
    if (!allOf(digits, isDigit) || digits.size() > 9 || !restOk(middle.sliced(dash + 1))) {
        return Maker::NotOurs;
    }
    pid = static_cast<pid_t>(digits.toByteArray().toLong());
    return pid > 0 ? Maker::Process : Maker::NotOurs;
}

Maker saveFileMaker(QByteArrayView name, pid_t& pid) {
    if (!name.startsWith(kSavePrefix) || !name.endsWith(kSaveSuffix)) {
        return Maker::NotOurs;
    }
    const qsizetype prefix = qstrlen(kSavePrefix);
    const qsizetype length = name.size() - prefix - qstrlen(kSaveSuffix);
    if (length <= 0) {
        return Maker::NotOurs;
    }
    return makerOf(
        name.sliced(prefix, length), [](QByteArrayView rest) { return allOf(rest, isLowerAlnum); },
        pid);
}

Maker skinFolderMaker(QByteArrayView name, pid_t& pid) {
    if (!name.startsWith(kSkinPrefix)) {
        return Maker::NotOurs;
    }
    return makerOf(
        name.sliced(qstrlen(kSkinPrefix)),
        [](QByteArrayView rest) {
            return rest.size() == kSkinRandomLength && allOf(rest, isAlnum);
        },
        pid);
}

bool processGone(pid_t pid) {
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

bool mayGo(Maker maker, pid_t pid, const struct stat& info) {
    if (info.st_uid != ::geteuid()) {
        return false;
    }
    switch (maker) {
        case Maker::Process:
            return processGone(pid);
        case Maker::OlderVersion:
            return std::time(nullptr) - info.st_mtime > kLegacyAgeSeconds;
        case Maker::NotOurs:
            break;
    }
    return false;
}

}  // namespace

QByteArray SaveTemporaryName(quint64 random) {
    return kSavePrefix + QByteArray::number(::getpid()) + '-' + QByteArray::number(random, 36) +
           kSaveSuffix;
}

QByteArray SkinFolderPattern() {
    return kSkinPrefix + QByteArray::number(::getpid()) + "-XXXXXX";
}

QString TemporaryFolder() {
    const QByteArray given = qgetenv("TMPDIR");
    return given.isEmpty() ? QStringLiteral("/tmp") : PathFromLocalBytes(given);
}

int RemoveLeftovers(const QString& folder) {
    const QByteArray base = LocalPathBytes(folder);
    DIR* listing = ::opendir(base.constData());
    if (listing == nullptr) {
        return 0;
    }
    int removed = 0;
    while (dirent* item = ::readdir(listing)) {
        const QByteArray name(item->d_name);
        const QByteArray path = base + '/' + name;
        pid_t pid = 0;
        struct stat info {};
        // Looked at without following links: a link is never one of ours.
        if (::lstat(path.constData(), &info) != 0) {
            continue;
        }
        if (S_ISREG(info.st_mode)) {
            const Maker maker = saveFileMaker(name, pid);
            if (mayGo(maker, pid, info) && ::unlink(path.constData()) == 0) {
                ++removed;
            }
        } else if (S_ISDIR(info.st_mode)) {
            const Maker maker = skinFolderMaker(name, pid);
            if (mayGo(maker, pid, info)) {
                std::error_code error;
                std::filesystem::remove_all(std::filesystem::path(path.toStdString()), error);
                removed += error ? 0 : 1;
            }
        }
    }
    ::closedir(listing);
    return removed;
}
