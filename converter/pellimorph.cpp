#include "converter/pellimorph.h"

#include <algorithm>
#include <array>
#include <utility>

#include "converter/batch_conversion.h"
#include "converter/console_text.h"
#include "converter/mp3_paths.h"
#include "converter/tag_show.h"
#include "tagjournal/tag_journal.h"
#include "taglib/local_path.h"
#include "taglib/tag_record.h"

namespace {

constexpr int kReadWrite = 3;

void printUsage(std::ostream& out) {
    out << Tr(QT_TRANSLATE_NOOP("Pellimorph",
                                "Pellimorph 1.0, ID3v1 tag code page converter\n"
                                "Pellimorph converts ID3 tags between different character sets\n\n"
                                "Syntax: Pellimorph CPcurrent CPdesired filename.mp3\n\n"
                                "CPcurrent = codepage of current tag\n"
                                "CPdesired = desired codepage\n"
                                "Valid codepages are: ANSI, UTF8, BIG5, GB, SJIS, KSC\n"
                                "if any parameter has white space in it, enclose it in quotes\n"));
}

void printManyUsage(std::ostream& out) {
    out << Tr(QT_TRANSLATE_NOOP(
        "Pellimorph",
        "Syntax: Pellimorph [--dry-run] CPcurrent CPdesired PATH...\n"
        "        Pellimorph --undo\n"
        "        Pellimorph --show [--from CP] PATH...\n\n"
        "PATH = an MP3 file, or a folder: every MP3 file below it\n"
        "CPcurrent may also be AUTO: the tag's marker, else the detected codepage\n"
        "--dry-run shows the texts before and after and writes nothing\n"
        "--undo puts back the files of the last run\n"));
}

// The one-file form: its output and exit codes are as they always were.
int convertOneFile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string lowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : char(c); });
    return text;
}

}  // namespace

int codePageFromName(const std::string& name) {
    static const std::array<std::pair<const char*, int>, 6> kNames = {{
        {"ansi", CodePage::Ansi},
        {"utf8", CodePage::Utf8},
        {"big5", CodePage::Big5},
        {"gb", CodePage::Gb},
        {"sjis", CodePage::ShiftJis},
        {"ksc", CodePage::Ksc},
    }};
    std::string lower = lowerAscii(name);
    for (const auto& [word, codePage] : kNames) {
        if (lower == word) {
            return codePage;
        }
    }
    return CodePage::Ansi;
}

bool isAutoName(const std::string& name) {
    return lowerAscii(name) == "auto";
}

int runPellimorph(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    // Asked for, the forms are the answer, not an error.
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        printUsage(out);
        out << '\n';
        printManyUsage(out);
        out << '\n';
        showTags({"--show"}, out);
        return 0;
    }
    if (!args.empty() && (args[0] == "--show" || args[0] == "--from")) {
        return showTags(args, out);
    }
    if (!args.empty() && args[0] == "--undo") {
        if (args.size() != 1) {
            printManyUsage(err);
            return 1;
        }
        return undoLastRun(out, err);
    }
    bool dryRun = !args.empty() && args[0] == "--dry-run";
    size_t first = dryRun ? 1 : 0;
    if (args.size() < first + 3) {
        if (dryRun) {
            printManyUsage(err);
        } else {
            printUsage(out);
        }
        return 1;
    }
    if (!dryRun && args.size() == 3 && !isFolder(args[2])) {
        return convertOneFile(args, out, err);
    }
    BatchConversion request;
    request.detect = isAutoName(args[first]);
    request.source = codePageFromName(args[first]);
    request.target = codePageFromName(args[first + 1]);
    request.dryRun = dryRun;
    request.paths.assign(args.begin() + static_cast<std::ptrdiff_t>(first + 2), args.end());
    return convertFiles(request, out, err);
}

namespace {

int convertOneFile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    int source = codePageFromName(args[0]);
    int target = codePageFromName(args[1]);
    const std::string& path = args[2];

    TagRecord record;
    record.accessMode = kReadWrite;
    record.selectCodePage = false;  // a marker in the genre byte must not win
    if (isAutoName(args[0])) {
        // Asked to find the code page, the tag's own marker is the surest guide;
        // else its text tells.
        record.selectCodePage = true;
        record.autoTranslate = true;
        record.autoDetect = true;
    }
    if (!record.open(LocalPathToUtf16(path))) {
        out << Arg(Tr(QT_TRANSLATE_NOOP("Pellimorph", "Cannot open %1, check file name")), {path})
            << "\n\n";
        return 1;
    }
    out << Arg(Tr(QT_TRANSLATE_NOOP("Pellimorph", "Pellimorph: processing %1")), {path});

    record.codePage = source;
    if (!record.read()) {
        // Writing now would append an empty block the file never had.
        out << "\n"
            << Arg(Tr(QT_TRANSLATE_NOOP("Pellimorph", "No ID3v1 tag in %1, file left unchanged")),
                   {path})
            << "\n";
        return 0;
    }
    // The change is kept so that --undo can put it back; without a journal the
    // file is still converted, as it always was, with a warning.
    TagJournal journal;
    journal.beginRun("pellimorph");
    record.beforeChange = [&](const TagChange& change) {
        if (!journal.record(change)) {
            err << "Pellimorph: "
                << Arg(Tr(QT_TRANSLATE_NOOP("Pellimorph", "%1; this change cannot be undone")),
                       {journal.lastError()})
                << "\n";
        }
        return true;
    };
    record.codePage = target;
    bool written = record.write();
    bool closed = record.close();
    journal.endRun();
    if (!written || !closed) {
        out << "\n"
            << Arg(Tr(QT_TRANSLATE_NOOP("Pellimorph", "Cannot write the tag of %1")), {path})
            << "\n";
        return 1;
    }
    return 0;
}

}  // namespace
