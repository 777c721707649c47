// The jukebox's own data files: tracklists and the dictionary (UTF-16 with the
// mark, CR LF lines) and the extension lists (8-bit text).
#include <QStringList>

#include "fuzz/seeds/seed_sets.h"
#include "fuzz/seeds/seed_writer.h"
#include "fuzz/tracklist_fixture.h"

namespace {

const std::string kMark = "\xFF\xFE";

std::string utf16Lines(const QStringList& lines, std::u16string_view end = u"\r\n") {
    std::string bytes = kMark;
    for (const QString& line : lines) {
        bytes += Utf16Bytes(line.toStdU16String()) + Utf16Bytes(end);
    }
    return bytes;
}

void tracklists(SeedWriter& out) {
    const char* target = "tracklist";
    const QStringList samples = TracklistFixture::samplePaths();
    out.seed(target, "fixture-paths", utf16Lines(samples));
    out.seed(
        target, "comments-and-gaps",
        utf16Lines({QStringLiteral("; a comment"), QString(), samples.value(0),
                    QStringLiteral("http://radio.example/stream"), QStringLiteral("."),
                    QStringLiteral(".."), QStringLiteral("relative/name.mp3"), samples.value(0)}));
    out.seed(target, "line-feeds-only", utf16Lines(samples.mid(2, 4), u"\n"));
    out.seed(target, "long-line",
             utf16Lines({samples.value(3) + QString(300, u'x') + QStringLiteral(".mp3")}));
    out.seed(target, "empty", "");
    out.seed(target, "mark-only", kMark);
    out.seed(target, "not-unicode", "C:\\Music\\song.mp3\r\n");
    out.token(target, kMark);
    for (const char16_t* text : {u"\r\n", u"\n", u"\r", u";", u"/", u"\\", u"http://", u".mp3",
                                 u".MP3", u".asf", u".avi", u"..", u"album/back/"}) {
        out.token(target, Utf16Bytes(text));
    }
    for (const QString& path : samples) {
        out.token(target, Utf16Bytes(path.toStdU16String()));
    }
}

void dictionaries(SeedWriter& out) {
    const char* target = "dictionary";
    const QStringList row = {QStringLiteral("song.mp3"), QStringLiteral("Song"),
                             QStringLiteral("Singer"),   QStringLiteral("Pop"),
                             QStringLiteral("1999"),     QStringLiteral("Album"),
                             QStringLiteral("A comment")};
    const QStringList cjk = {QStringLiteral("\u6708\u4eae.mp3"),
                             QStringLiteral("\u6708\u4eae"),
                             QStringLiteral("\u9127"),
                             QString(),
                             QString(),
                             QString(),
                             QString()};
    out.seed(target, "two-rows", utf16Lines(row + cjk));
    out.seed(target, "short-last-row", utf16Lines(row + row.mid(0, 3)));
    out.seed(target, "long-text", utf16Lines({QStringLiteral("long.mp3"), QString(300, u'y')}));
    out.seed(target, "same-name-twice",
             utf16Lines(row + row + QStringList{QStringLiteral("SONG.MP3")}));
    out.seed(target, "mark-only", kMark);
    out.token(target, kMark);
    for (const char16_t* text : {u"\r\n", u"\n", u"\r", u".mp3", u".avi", u"\xD83C\xDFB5"}) {
        out.token(target, Utf16Bytes(text));
    }
}

void extensionLists(SeedWriter& out) {
    const char* target = "extension_lists";
    out.seed(target, "audio", "mp3\r\nmp2\r\nwav\r\nogg\r\nflac\r\nm4a\r\nwma\r\nasf\r\n");
    out.seed(target, "gaps-and-case", "\r\nMP3\r\n\r\n  wav \r\nasx\n\rmid\r");
    out.seed(target, "latin1", "m\xE4\xDF\r\n\xFF\r\nsnd\r\n");
    out.seed(target, "long-line", std::string(300, 'a') + "\r\nmp3\r\n");
    for (const char* token : {"\r\n", "\n", "\r", "mp3", "asf", "asx", "avi"}) {
        out.token(target, token);
    }
}

// Playlists: a PLS starts with "[", anything else is an M3U.
void playlists(SeedWriter& out) {
    const char* target = "playlist";
    const std::string samples = TracklistFixture::samplePaths().join(u'\n').toStdString();
    out.seed(target, "m3u8-extended",
             "#EXTM3U\n#EXTINF:215,Singer - Song\n" + samples +
                 "\nrelative/song.mp3\n../up.ogg\nhttp://radio.example/stream\n");
    out.seed(target, "m3u-windows",
             "\xEF\xBB\xBF"
             "Music\\Album\\01.mp3\r\nC:\\Music\\02.mp3\r\n"
             "file:///tmp/a%20b.mp3\r\n\xB8\xE8.mp3\r\n");
    out.seed(target, "pls",
             "[playlist]\nFile2=b.mp3\nTitle2=B\nFile1=a.mp3\nLength1=3\n"
             "NumberOfEntries=9\nVersion=2\n");
    for (const char* token : {"#EXTM3U", "#EXTINF:", "[playlist]", "File1=", "Title1=", "file://",
                              "http://", "\r\n", "\\", "../", "%2F", "%FF"}) {
        out.token(target, token);
    }
}

}  // namespace

void AddDataFileSeeds(SeedWriter& out) {
    if (!TracklistFixture::ensure()) {
        out.markFailed();
    }
    tracklists(out);
    dictionaries(out);
    extensionLists(out);
    playlists(out);
}
