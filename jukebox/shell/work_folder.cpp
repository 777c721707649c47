#include "jukebox/shell/work_folder.h"

#include <QDir>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "jukebox/common/path_functions.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kListNames[] = {"audio.flt", "video.flt"};
constexpr const char* kDataNames[] = {"default.trk", "default.dic"};

fs::path fsPath(const QString& path) {
    return fs::path(LocalPathBytes(path).toStdString());
}

QString environment(const char* name) {
    return PathFromLocalBytes(qgetenv(name));
}

bool holdsLists(const QString& folder) {
    return !folder.isEmpty() && FileExists(JoinPath(folder, QStringLiteral("audio.flt")));
}

QString describe(const fs::path& path, const std::error_code& code) {
    return PathFromLocalBytes(QByteArray::fromStdString(path.string())) + QStringLiteral(": ") +
           QString::fromLocal8Bit(code.message());
}

// The shipped skins: every file below shipped/skins, where the user's copy is
// missing or older.
bool copySkins(const fs::path& from, const fs::path& to, QString& error) {
    std::error_code code;
    if (!fs::is_directory(from, code)) {
        return true;
    }
    bool ok = true;
    for (auto it = fs::recursive_directory_iterator(from, code);
         !code && it != fs::recursive_directory_iterator(); it.increment(code)) {
        const fs::path target = to / fs::relative(it->path(), from, code);
        std::error_code step;
        if (it->is_directory(step)) {
            fs::create_directories(target, step);
        } else if (it->is_regular_file(step)) {
            const bool current = fs::exists(target, step) &&
                                 fs::last_write_time(target, step) >= it->last_write_time(step);
            if (!current) {
                fs::copy_file(it->path(), target, fs::copy_options::overwrite_existing, step);
            }
        }
        if (step) {
            error = describe(target, step);
            ok = false;
        }
    }
    if (code) {
        error = describe(from, code);
        ok = false;
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
    for (const char* relative : {"../share/velorine", "../../work"}) {
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
    auto note = [&](const fs::path& path, const std::error_code& failure) {
        if (failure) {
            error = describe(path, failure);
            ok = false;
        }
    };
    if (!shipped.isEmpty()) {
        const fs::path from = fsPath(shipped);
        for (const char* name : kListNames) {
            fs::copy_file(from / name, work / name, fs::copy_options::skip_existing, code);
            note(work / name, code);
        }
        ok = copySkins(from / "skins", work / "skins", error) && ok;
    }
    // Empty ones, so that a first start does not report them missing.
    for (const char* name : kDataNames) {
        const fs::path path = work / name;
        if (!fs::exists(path, code)) {
            std::FILE* file = std::fopen(path.c_str(), "ab");
            if (file == nullptr) {
                note(path, std::error_code(errno, std::generic_category()));
            } else {
                std::fclose(file);
            }
        }
    }
    return ok;
}
