#include "converter/tag_show.h"
#include "converter/console_text.h"

#include <cstdio>

#include "converter/console_text.h"
#include "converter/mp3_paths.h"
#include "converter/pellimorph.h"
#include "converter/tag_folder_votes.h"
#include "taglib/code_page_detector.h"
#include "taglib/local_path.h"
#include "taglib/tag_record.h"

namespace {

constexpr int kFirstMarkerIndex = 148;
constexpr int kLastMarkerIndex = 154;

struct Options {
    bool show = false;
    bool given = false;  // --from named a code page
    int codePage = 0;
    std::vector<std::string> files;
};

void printShowUsage(std::ostream& out) {
    out << Tr(QT_TRANSLATE_NOOP(
        "Pellimorph",
        "Syntax: Pellimorph --show [--from CP] PATH ...\n\n"
        "Shows the ID3v1 tag of each file as one JSON line; a folder stands for\n"
        "every MP3 file below it.\n"
        "CP = codepage to read the tags in, else the marker's or the detected one\n"
        "Valid codepages are: ANSI, UTF8, BIG5, GB, SJIS, KSC, AUTO\n"));
}

bool parse(const std::vector<std::string>& args, Options& options) {
    size_t i = 0;
    for (; i < args.size(); ++i) {
        if (args[i] == "--show") {
            options.show = true;
        } else if (args[i] == "--from" && i + 1 < args.size()) {
            options.codePage = codePageFromName(args[++i]);
            options.given = !isAutoName(args[i]);
        } else if (args[i] == "--") {
            ++i;
            break;
        } else {
            break;
        }
    }
    options.files.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
    return options.show && !options.files.empty();
}

void setUp(TagRecord& record, const Options& options) {
    record.accessMode = TagRecord::kReadOnly;
    if (options.given) {
        record.selectCodePage = false;
        record.autoDetect = false;
        record.codePage = options.codePage;
    } else {
        record.selectCodePage = true;
        record.autoTranslate = true;
        record.autoDetect = true;
    }
}

void printError(std::ostream& out, const std::u16string& file, const char* error) {
    out << "{\"file\":" << jsonQuoted(file) << ",\"error\":\"" << error << "\"}\n";
}

void printTag(std::ostream& out, const std::u16string& file, const TagRecord& record) {
    // The marker bytes show their own names (BIG5, ...) rather than "Unknown".
    int genre = record.genreIndex;
    if (genre >= kFirstMarkerIndex && genre <= kLastMarkerIndex) {
        genre += 100;
    }
    out << "{\"file\":" << jsonQuoted(file) << ",\"codepage\":\"" << codePageName(record.codePage)
        << "\",\"source\":\"" << sourceName(record.codePageSource)
        << "\",\"title\":" << jsonQuoted(record.title)
        << ",\"artist\":" << jsonQuoted(record.artist) << ",\"album\":" << jsonQuoted(record.album)
        << ",\"year\":" << jsonQuoted(record.year) << ",\"comment\":" << jsonQuoted(record.comment)
        << ",\"track\":";
    if (record.track != 0) {
        out << static_cast<int>(record.track);
    } else {
        out << "null";
    }
    out << ",\"genre\":" << jsonQuoted(TagRecord::genreName(genre)) << "}\n";
}

}  // namespace

const char* sourceName(TagRecord::CodePageSource source) {
    switch (source) {
        case TagRecord::CodePageSource::Marker:
            return "marker";
        case TagRecord::CodePageSource::Detected:
            return "detected";
        default:
            return "given";
    }
}

const char* codePageName(int codePage) {
    switch (codePage) {
        case CodePage::Utf8:
            return "UTF8";
        case CodePage::Big5:
            return "BIG5";
        case CodePage::Gb:
            return "GB";
        case CodePage::ShiftJis:
            return "SJIS";
        case CodePage::Ksc:
            return "KSC";
        default:
            return "ANSI";
    }
}

std::string jsonQuoted(std::u16string_view text) {
    std::string out = "\"";
    size_t run = 0;  // start of the units not yet written
    auto flush = [&](size_t end) {
        out += utf16ToUtf8(text.substr(run, end - run));
        run = end;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        bool pairStart = c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() &&
                         text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (pairStart) {
            ++i;
            continue;
        }
        bool lone = c >= 0xD800 && c <= 0xDFFF;
        if (c >= 0x20 && c != u'"' && c != u'\\' && !lone) {
            continue;
        }
        flush(i);
        run = i + 1;
        switch (c) {
            case u'"':
                out += "\\\"";
                break;
            case u'\\':
                out += "\\\\";
                break;
            case u'\n':
                out += "\\n";
                break;
            case u'\t':
                out += "\\t";
                break;
            case u'\r':
                out += "\\r";
                break;
            default: {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                out += escape;
            }
        }
    }
    flush(text.size());
    return out + "\"";
}

int showTags(const std::vector<std::string>& args, std::ostream& out) {
    Options options;
    if (!parse(args, options)) {
        printShowUsage(out);
        return 1;
    }
    // First the tags of each folder are weighed together, then each file is read
    // with its folder's votes.
    std::vector<std::string> files = expandMp3Paths(options.files);
    TagFolderVotes votes;
    if (!options.given) {
        votes.gather(files);
    }
    int exitCode = 0;
    TagRecord record;
    setUp(record, options);
    for (const std::string& file : files) {
        std::u16string path = LocalPathToUtf16(file);
        if (!record.open(path)) {
            printError(out, path, "cannot open");
            exitCode = 1;
            continue;
        }
        record.vote = votes.of(file);
        if (record.read()) {
            printTag(out, path, record);
        } else {
            printError(out, path, "no ID3v1 tag");
        }
        record.close();
    }
    return exitCode;
}
