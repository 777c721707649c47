#include "tagjournal/tag_journal.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "taglib/file_range.h"

namespace {

constexpr int64_t kBlock = 128;
constexpr const char* kMagic = "velorine-tag-journal";
constexpr const char* kRunSuffix = ".run";
// The longest line a record can make: a path of 4096 bytes and two blocks, in hex.
constexpr size_t kMaxLine = 2 * 4096 + 4 * kBlock + 256;
// A crash loses at most this many records that the files already show.
constexpr int kSyncEvery = 256;

int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

std::string errnoText(int error) {
    return std::strerror(error);
}

std::string hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char c : bytes) {
        out += kDigits[c >> 4];
        out += kDigits[c & 15];
    }
    return out;
}

bool unhex(std::string_view text, std::string& out) {
    if (text.size() % 2 != 0) {
        return false;
    }
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        if (c >= 'a' && c <= 'f') {
            return c - 'a' + 10;
        }
        return -1;
    };
    out.clear();
    out.reserve(text.size() / 2);
    for (size_t i = 0; i < text.size(); i += 2) {
        int high = digit(text[i]);
        int low = digit(text[i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        out += static_cast<char>(high * 16 + low);
    }
    return true;
}

bool number(std::string_view text, int64_t& value) {
    if (text.empty() || text.size() > 18) {
        return false;
    }
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 0;
}

uint32_t checksum(std::string_view text) {
    return static_cast<uint32_t>(
        crc32(0L, reinterpret_cast<const Bytef*>(text.data()), static_cast<uInt>(text.size())));
}

std::vector<std::string_view> split(std::string_view line) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (start <= line.size()) {
        size_t space = line.find(' ', start);
        if (space == std::string_view::npos) {
            space = line.size();
        }
        parts.push_back(line.substr(start, space - start));
        start = space + 1;
    }
    return parts;
}

// The body of a line whose checksum holds, or false.
bool checkedBody(std::string_view line, std::string_view& body) {
    size_t space = line.rfind(' ');
    if (space == std::string_view::npos || line.size() - space != 9) {
        return false;
    }
    uint32_t sum = 0;
    std::string_view digits = line.substr(space + 1);
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), sum, 16);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return false;
    }
    body = line.substr(0, space);
    return checksum(body) == sum;
}

size_t tailLength(int64_t size) {
    return static_cast<size_t>(std::min(size, kBlock));
}

// A change the undo can put back: the bytes it names are the file's last ones, and
// what was cut off or added lies within them.
bool plausible(const TagChange& change) {
    return !change.path.empty() && change.path.find('\0') == std::string::npos &&
           change.path.size() <= 4096 && change.sizeBefore >= 0 && change.sizeAfter >= 0 &&
           change.tailBefore.size() == tailLength(change.sizeBefore) &&
           change.tailAfter.size() == tailLength(change.sizeAfter) &&
           std::max(change.sizeBefore, change.sizeAfter) -
                   std::min(change.sizeBefore, change.sizeAfter) <=
               kBlock;
}

bool parseRecord(const std::vector<std::string_view>& parts, JournalRecord& record) {
    // file <time> <path> <sizeBefore> <hadTag> <tailBefore> <sizeAfter> <tailAfter>
    if (parts.size() != 8 || parts[0] != "file") {
        return false;
    }
    TagChange& change = record.change;
    if (!number(parts[1], record.timeMs) || !unhex(parts[2], change.path) ||
        !number(parts[3], change.sizeBefore) || (parts[4] != "0" && parts[4] != "1") ||
        !unhex(parts[5], change.tailBefore) || !number(parts[6], change.sizeAfter) ||
        !unhex(parts[7], change.tailAfter)) {
        return false;
    }
    change.hadTag = parts[4] == "1";
    return plausible(change);
}

std::string runFileName() {
    using namespace std::chrono;
    auto now = system_clock::now().time_since_epoch();
    auto seconds = duration_cast<std::chrono::seconds>(now);
    auto nanos = duration_cast<nanoseconds>(now - seconds).count();
    std::time_t time = static_cast<std::time_t>(seconds.count());
    std::tm utc{};
    gmtime_r(&time, &utc);
    char name[80];
    std::snprintf(name, sizeof name, "%04d%02d%02dT%02d%02d%02d.%09lldZ-%ld%s", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec,
                  static_cast<long long>(nanos), static_cast<long>(getpid()), kRunSuffix);
    return name;
}

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool readRange(int fd, int64_t offset, size_t size, std::string& out) {
    out.assign(size, '\0');
    return ReadFileRange(fd, out.data(), size, offset);
}

bool writeRange(int fd, int64_t offset, std::string_view bytes) {
    return WriteFileRange(fd, bytes.data(), bytes.size(), offset);
}

// The file's length and last bytes now.
bool currentState(int fd, int64_t& size, std::string& tail) {
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        return false;
    }
    size = info.st_size;
    return readRange(fd, size - static_cast<int64_t>(tailLength(size)), tailLength(size), tail);
}

UndoResult undoChange(const TagChange& change) {
    int fd = ::open(change.path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return UndoResult::CannotOpen;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return UndoResult::CannotOpen;
    }
    int64_t size = 0;
    std::string tail;
    UndoResult result = UndoResult::CannotWrite;
    if (!currentState(fd, size, tail)) {
        result = UndoResult::CannotWrite;
    } else if (size == change.sizeAfter && tail == change.tailAfter) {
        // An appended block is cut off again; a replaced or removed one comes back.
        bool done = change.sizeAfter <= change.sizeBefore ||
                    ftruncate(fd, static_cast<off_t>(change.sizeBefore)) == 0;
        int64_t start = change.sizeBefore - static_cast<int64_t>(change.tailBefore.size());
        std::string there;
        bool same = done && change.sizeAfter >= change.sizeBefore &&
                    readRange(fd, start, change.tailBefore.size(), there) &&
                    there == change.tailBefore;
        if (done && !same) {
            done = writeRange(fd, start, change.tailBefore);
        }
        if (done && currentState(fd, size, tail) && size == change.sizeBefore &&
            tail == change.tailBefore) {
            result = UndoResult::Restored;
        } else if (change.sizeAfter < change.sizeBefore &&
                   ftruncate(fd, static_cast<off_t>(change.sizeAfter)) != 0) {
            // A block that could not be appended whole is cut off again, so that
            // the file is as the run left it and the undo can be tried again.
        }
    } else if (size == change.sizeBefore && tail == change.tailBefore) {
        result = UndoResult::AlreadyAsBefore;
    } else {
        result = UndoResult::ChangedSince;
    }
    ::close(fd);
    return result;
}

}  // namespace

bool UndoReport::complete() const {
    return found && std::all_of(files.begin(), files.end(), [](const FileUndo& file) {
               return file.result == UndoResult::Restored ||
                      file.result == UndoResult::AlreadyAsBefore;
           });
}

const char* undoResultText(UndoResult result) {
    switch (result) {
        case UndoResult::Restored:
            return "restored";
        case UndoResult::AlreadyAsBefore:
            return "already as it was";
        case UndoResult::ChangedSince:
            return "changed since, left alone";
        case UndoResult::CannotOpen:
            return "cannot open";
        case UndoResult::CannotWrite:
            return "cannot write";
    }
    return "";
}

std::string TagJournal::defaultFolder() {
    std::string data;
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && xdg[0] == '/') {
        data = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] == '\0') {
            const passwd* user = getpwuid(getuid());
            home = user != nullptr ? user->pw_dir : "/tmp";
        }
        data = std::string(home) + "/.local/share";
    }
    return data + "/marlowisp/journal";
}

TagJournal::TagJournal(std::string folder, int keepRuns)
    : folder_(std::move(folder)), keepRuns_(std::max(1, keepRuns)) {}

TagJournal::~TagJournal() {
    endRun();
}

void TagJournal::beginRun(std::string_view program) {
    endRun();
    program_ = std::string(program);
    inRun_ = true;
}

bool TagJournal::openRunFile() {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (!std::filesystem::is_directory(folder_, error)) {
        lastError_ = "cannot make the journal folder " + folder_ + ": " +
                     (error ? error.message() : std::string("not a folder"));
        return false;
    }
    pruneOldRuns();
    std::string path = folder_ + "/" + runFileName();
    // Private: the journal names the user's files.
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0600);
    if (fd_ < 0) {
        lastError_ = "cannot write the journal " + path + ": " + errnoText(errno);
        return false;
    }
    written_ = 0;
    unsynced_ = 0;
    return appendLine(std::string(kMagic) + " 1 " + std::to_string(nowMs()) + " " + hex(program_));
}

bool TagJournal::appendLine(const std::string& body) {
    char sum[16];
    std::snprintf(sum, sizeof sum, " %08x\n", checksum(body));
    std::string line = body + sum;
    if (!writeAll(fd_, line.data(), line.size())) {
        lastError_ = "cannot write the journal in " + folder_ + ": " + errnoText(errno);
        // No half line may stay: the next one would be glued to it.
        if (ftruncate(fd_, static_cast<off_t>(written_)) != 0) {
            // The checksum still tells the half line from a record.
        }
        return false;
    }
    written_ += static_cast<int64_t>(line.size());
    return true;
}

bool TagJournal::record(const TagChange& change) {
    if (!plausible(change)) {
        lastError_ = "not a change the journal can keep: " + change.path;
        return false;
    }
    if (!inRun_) {
        beginRun("unknown");
    }
    if (fd_ < 0 && !openRunFile()) {
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
        return false;
    }
    // An undo may run from another folder: a relative path is kept as an absolute one.
    std::string path = change.path;
    if (path[0] != '/') {
        std::error_code error;
        std::filesystem::path current = std::filesystem::current_path(error);
        if (error) {
            lastError_ = "cannot tell the current folder: " + error.message();
            return false;
        }
        path = (current / path).string();
    }
    std::string body = "file " + std::to_string(nowMs()) + " " + hex(path) + " " +
                       std::to_string(change.sizeBefore) + (change.hadTag ? " 1 " : " 0 ") +
                       hex(change.tailBefore) + " " + std::to_string(change.sizeAfter) + " " +
                       hex(change.tailAfter);
    if (!appendLine(body)) {
        return false;
    }
    // The line is with the system now, which outlives a crash of the program; it
    // goes to the disk now and then, so that a run of thousands stays fast.
    if (++unsynced_ >= kSyncEvery) {
        fdatasync(fd_);
        unsynced_ = 0;
    }
    return true;
}

bool TagJournal::endRun() {
    inRun_ = false;
    if (fd_ < 0) {
        return true;
    }
    bool synced = fdatasync(fd_) == 0;
    bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (!synced || !closed) {
        lastError_ = "cannot write the journal in " + folder_ + ": " + errnoText(errno);
    }
    return synced && closed;
}

std::function<bool(const TagChange&)> TagJournal::recorder() {
    return [this](const TagChange& change) { return record(change); };
}

std::vector<std::string> TagJournal::runFileNames() const {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator it(folder_, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::string name = it->path().filename().string();
        std::error_code typeError;
        if (name.size() > 4 && name.ends_with(kRunSuffix) && it->is_regular_file(typeError)) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

void TagJournal::pruneOldRuns() {
    std::vector<std::string> names = runFileNames();
    // Room for the run about to begin; then the oldest go until the rest fit.
    size_t keep = static_cast<size_t>(keepRuns_ - 1);
    int64_t total = 0;
    size_t first = names.size();
    while (first > 0 && names.size() - first < keep) {
        std::error_code error;
        auto size = std::filesystem::file_size(folder_ + "/" + names[first - 1], error);
        total += error ? 0 : static_cast<int64_t>(size);
        if (total > kMaxBytes) {
            break;
        }
        --first;
    }
    for (size_t i = 0; i < first; ++i) {
        std::error_code error;
        std::filesystem::remove(folder_ + "/" + names[i], error);
    }
}

bool TagJournal::readRun(const std::string& name, JournalRun& run) const {
    run = JournalRun{};
    run.id = name;
    int fd = ::open((folder_ + "/" + name).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    auto handleLine = [&](std::string_view line, bool tooLong) {
        std::string_view body;
        if (tooLong || !checkedBody(line, body)) {
            ++run.damagedLines;
            return;
        }
        std::vector<std::string_view> parts = split(body);
        JournalRecord record;
        int64_t time = 0;
        if (parts.size() == 4 && parts[0] == kMagic && parts[1] == "1" && number(parts[2], time) &&
            unhex(parts[3], run.program)) {
            run.timeMs = time;
        } else if (parseRecord(parts, record)) {
            run.records.push_back(std::move(record));
        } else if (parts.size() == 2 && parts[0] == "undone" && number(parts[1], time)) {
            run.undone = true;
        } else {
            ++run.damagedLines;
        }
    };
    // Read in pieces: a damaged file may be one endless line.
    std::string line;
    bool tooLong = false;
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        std::string_view piece(buffer, static_cast<size_t>(n));
        while (!piece.empty()) {
            size_t end = piece.find('\n');
            std::string_view part = piece.substr(0, end);
            if (!tooLong && line.size() + part.size() <= kMaxLine) {
                line.append(part);
            } else {
                tooLong = true;
                line.clear();
            }
            if (end == std::string_view::npos) {
                break;
            }
            handleLine(line, tooLong);
            line.clear();
            tooLong = false;
            piece.remove_prefix(end + 1);
        }
    }
    if (!line.empty() || tooLong) {
        ++run.damagedLines;  // a last line without its end: cut short by a crash
    }
    ::close(fd);
    return true;
}

std::vector<JournalRun> TagJournal::runs() const {
    std::vector<JournalRun> result;
    for (const std::string& name : runFileNames()) {
        JournalRun run;
        if (readRun(name, run)) {
            result.push_back(std::move(run));
        }
    }
    return result;
}

UndoReport TagJournal::undoLastRun() {
    endRun();
    UndoReport report;
    std::vector<std::string> names = runFileNames();
    JournalRun run;
    auto newest = std::find_if(names.rbegin(), names.rend(), [&](const std::string& name) {
        return readRun(name, run) && !run.undone && !run.records.empty();
    });
    if (newest == names.rend()) {
        return report;
    }
    report.found = true;
    report.runId = run.id;
    report.program = run.program;
    report.timeMs = run.timeMs;
    report.damagedLines = run.damagedLines;
    for (auto it = run.records.rbegin(); it != run.records.rend(); ++it) {
        report.files.push_back(FileUndo{it->change.path, undoChange(it->change)});
    }
    if (report.complete()) {
        fd_ = ::open((folder_ + "/" + run.id).c_str(), O_RDWR | O_APPEND | O_CLOEXEC);
        if (fd_ >= 0) {
            struct stat info {};
            written_ = fstat(fd_, &info) == 0 ? info.st_size : 0;
            // A line cut short by a crash must not swallow the mark.
            std::string last;
            if (written_ > 0 && readRange(fd_, written_ - 1, 1, last) && last != "\n" &&
                writeAll(fd_, "\n", 1)) {
                ++written_;
            }
            appendLine("undone " + std::to_string(nowMs()));
            fdatasync(fd_);
            ::close(fd_);
            fd_ = -1;
        } else {
            lastError_ = "cannot mark the run undone in " + folder_ + ": " + errnoText(errno);
        }
    }
    return report;
}
