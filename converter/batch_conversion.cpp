#include "converter/batch_conversion.h"
#include "converter/console_text.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <ctime>
#include <set>
#include <utility>

#include "converter/console_text.h"
#include "converter/mp3_paths.h"
#include "converter/tag_folder_votes.h"
#include "converter/tag_show.h"
#include "tagjournal/tag_journal.h"
#include "taglib/local_path.h"
#include "taglib/tag_record.h"

namespace {

constexpr int kReadWrite = 3;
constexpr const char* kProgram = "pellimorph";

struct Tally {
    int converted = 0;
    int withoutTag = 0;
    int failed = 0;
};

// The five texts of a record, named.
std::array<std::pair<const char*, const std::u16string*>, 5> texts(const TagRecord& record) {
    return {{{"title", &record.title},
             {"artist", &record.artist},
             {"album", &record.album},
             {"year", &record.year},
             {"comment", &record.comment}}};
}

// What the file's texts would read as once written in the target code page: the
// planned block read back, so cut text and characters the code page lacks show.
void printPreview(std::ostream& out, TagRecord& record, int target) {
    TagRecord written;
    written.codePage = target;
    TagChange change;
    int source = record.codePage;
    record.codePage = target;
    bool planned = record.plannedWrite(TagRecord::kAllFields, change);
    record.codePage = source;
    if (planned) {
        written.readBlock(reinterpret_cast<const uint8_t*>(change.tailAfter.data()));
    }
    auto before = texts(record);
    auto after = texts(written);
    for (size_t i = 0; i < before.size(); ++i) {
        out << "  " << before[i].first << ": " << jsonQuoted(*before[i].second) << " -> "
            << jsonQuoted(*after[i].second);
        if (*before[i].second != *after[i].second) {
            out << "  (not the same text)";
        }
        out << "\n";
    }
}

// A code-page marker names the code page of the text, so the text rewritten in
// another code page takes the marker of that one (ANSI has none: "no genre", 255).
// A genre that is no marker stays. Genre indexes as a read gives them.
constexpr int kFirstMarker = 148;
constexpr int kNoGenre = 155;

bool isCodePageMarker(int genreIndex) {
    return genreIndex == kFirstMarker || genreIndex == kFirstMarker + 1 ||
           genreIndex == kFirstMarker + 2 || genreIndex == kFirstMarker + 3 ||
           genreIndex == kFirstMarker + 6;
}

int markerFor(int codePage) {
    switch (codePage) {
        case CodePage::Big5:
            return kFirstMarker;
        case CodePage::ShiftJis:
            return kFirstMarker + 1;
        case CodePage::Gb:
            return kFirstMarker + 2;
        case CodePage::Ksc:
            return kFirstMarker + 3;
        case CodePage::Utf8:
            return kFirstMarker + 6;
        default:
            return kNoGenre;
    }
}

std::string genreWord(int genreIndex) {
    return genreIndex == kNoGenre ? std::string("none")
                                  : utf16ToUtf8(TagRecord::genreName(genreIndex + 100));
}

// The device and inode of a file, so that a file named twice (by a folder and
// by itself, or through a link) is converted once: twice would read the text in
// the old code page again.
bool fileId(const std::string& path, std::pair<dev_t, ino_t>& id) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return false;
    }
    id = {info.st_dev, info.st_ino};
    return true;
}

}  // namespace

int convertFiles(const BatchConversion& request, std::ostream& out, std::ostream& err) {
    std::vector<std::string> files = expandMp3Paths(request.paths);
    TagFolderVotes votes;
    if (request.detect) {
        votes.gather(files);
    }
    TagJournal journal;
    bool journalFailed = false;
    if (!request.dryRun) {
        journal.beginRun(kProgram);
    }
    TagRecord record;
    record.accessMode = request.dryRun ? TagRecord::kReadOnly : kReadWrite;
    if (!request.dryRun) {
        record.beforeChange = [&](const TagChange& change) {
            journalFailed = !journal.record(change);
            return !journalFailed;
        };
    }
    std::set<std::pair<dev_t, ino_t>> done;
    Tally tally;
    size_t index = 0;
    for (; index < files.size() && !journalFailed; ++index) {
        const std::string& path = files[index];
        std::pair<dev_t, ino_t> id;
        if (fileId(path, id) && !done.insert(id).second) {
            continue;
        }
        record.selectCodePage = request.detect;
        record.autoTranslate = request.detect;
        record.autoDetect = request.detect;
        record.codePage = request.source;
        if (!record.open(LocalPathToUtf16(path))) {
            err << "Pellimorph: "
                << Arg(Tr(QT_TRANSLATE_NOOP("Pellimorph", "cannot open %1")), {path}) << "\n";
            ++tally.failed;
            continue;
        }
        record.vote = votes.of(path);
        if (!record.read()) {
            out << Arg(Tr(QT_TRANSLATE_NOOP("Pellimorph",
                                            "No ID3v1 tag in %1, file left unchanged")),
                       {path})
                << "\n";
            ++tally.withoutTag;
            record.close();
            continue;
        }
        out << path << " (" << codePageName(record.codePage) << " "
            << sourceName(record.codePageSource) << " -> " << codePageName(request.target);
        if (isCodePageMarker(record.genreIndex)) {
            int marker = markerFor(request.target);
            out << ", marker " << genreWord(record.genreIndex) << " -> " << genreWord(marker);
            record.genreIndex = static_cast<uint16_t>(marker);
        }
        out << ")\n";
        if (request.dryRun) {
            printPreview(out, record, request.target);
            record.close();
            if (::access(path.c_str(), W_OK) != 0) {
                err << "Pellimorph: "
                    << Arg(Tr(QT_TRANSLATE_NOOP("Pellimorph", "cannot write %1")), {path}) << "\n";
                ++tally.failed;
            } else {
                ++tally.converted;
            }
            continue;
        }
        record.codePage = request.target;
        bool written = record.write();
        bool closed = record.close();
        if (written && closed) {
            ++tally.converted;
        } else if (journalFailed) {
            err << "Pellimorph: "
                << Arg(Tr(QT_TRANSLATE_NOOP(
                           "Pellimorph",
                           "cannot keep the change of %1 in the undo journal, so it was not made: "
                           "%2")),
                       {path, journal.lastError()})
                << "\n";
            ++tally.failed;
        } else {
            err << "Pellimorph: "
                << Arg(Tr(QT_TRANSLATE_NOOP("Pellimorph", "cannot write the tag of %1")), {path})
                << "\n";
            ++tally.failed;
        }
    }
    if (!journal.endRun()) {
        err << "Pellimorph: " << journal.lastError() << "\n";
        ++tally.failed;
    }
    size_t notReached = files.size() - index;
    if (notReached > 0) {
        err << "Pellimorph: "
            << Arg(Tr(QT_TRANSLATE_NOOP("Pellimorph", "%1 more files were left as they are")),
                   {std::to_string(notReached)})
            << "\n";
    }
    const std::string summary =
        request.dryRun
            ? Tr(QT_TRANSLATE_NOOP(
                  "Pellimorph",
                  "dry run, nothing written: %1 to convert, %2 without a tag, %3 failed"))
            : Tr(QT_TRANSLATE_NOOP("Pellimorph", "%1 converted, %2 without a tag, %3 failed"));
    out << "Pellimorph: "
        << Arg(summary, {std::to_string(tally.converted), std::to_string(tally.withoutTag),
                         std::to_string(tally.failed + notReached)})
        << "\n";
    return tally.failed == 0 && notReached == 0 ? 0 : 1;
}

int undoLastRun(std::ostream& out, std::ostream& err) {
    TagJournal journal;
    UndoReport report = journal.undoLastRun();
    if (!report.found) {
        err << "Pellimorph: "
            << Arg(Tr(QT_TRANSLATE_NOOP("Pellimorph", "nothing to undo in %1")), {journal.folder()})
            << "\n";
        return 1;
    }
    std::time_t seconds = static_cast<std::time_t>(report.timeMs / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    char when[32];
    std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S", &local);
    out << "Pellimorph: "
        << Arg(Tr(QT_TRANSLATE_NOOP("Pellimorph", "undoing the run of %1 at %2 (%3 changes)")),
               {report.program.empty() ? std::string_view("?") : std::string_view(report.program),
                when, std::to_string(report.files.size())})
        << "\n";
    if (report.damagedLines > 0) {
        err << "Pellimorph: "
            << Arg(Tr(QT_TRANSLATE_NOOP("Pellimorph",
                                        "%1 damaged lines of the journal %2 were skipped")),
                   {std::to_string(report.damagedLines), journal.folder() + "/" + report.runId})
            << "\n";
    }
    for (const FileUndo& file : report.files) {
        bool good =
            file.result == UndoResult::Restored || file.result == UndoResult::AlreadyAsBefore;
        (good ? out : err) << (good ? "" : "Pellimorph: ") << file.path << ": "
                           << undoResultText(file.result) << "\n";
    }
    if (!report.complete()) {
        err << "Pellimorph: "
            << Tr(QT_TRANSLATE_NOOP("Pellimorph",
                                    "not every file was put back; the run stays in the journal"))
            << "\n";
        return 1;
    }
    if (!journal.lastError().empty()) {
        err << "Pellimorph: " << journal.lastError() << "\n";
    }
    return 0;
}
