// MP3 files with ID3v1 blocks in every code page the jukebox reads, marked and
// unmarked, and frame headers of each MPEG version and layer.
#include "fuzz/mp3_sample.h"
#include "fuzz/seeds/seed_sets.h"
#include "fuzz/seeds/seed_writer.h"
#include "taglib/code_page_converter.h"

namespace {

const char kTarget[] = "tag_record";

void sample(SeedWriter& out, const std::string& name, const Mp3Sample& mp3) {
    if (!WriteMp3Sample(out.seedPath(kTarget, name + ".mp3"), mp3)) {
        out.markFailed();
    }
}

Mp3Sample texts(int codePage, int genre, std::u16string title, std::u16string artist) {
    Mp3Sample mp3;
    mp3.codePage = codePage;
    mp3.genreIndex = genre;
    mp3.title = std::move(title);
    mp3.artist = std::move(artist);
    mp3.comment = u"";
    return mp3;
}

}  // namespace

void AddTagSeeds(SeedWriter& out) {
    sample(out, "utf8-marked", texts(CodePage::Utf8, 154, u"Caf\u00e9 \u6708\u4eae", u"\u00c5se"));
    sample(out, "big5-marked", texts(CodePage::Big5, 148, u"\u6708\u4eae\u4ee3\u8868", u"\u9127"));
    sample(out, "sjis-marked", texts(CodePage::ShiftJis, 149, u"\u3055\u304f\u3089", u"\u30a2"));
    sample(out, "gbk-marked", texts(CodePage::Gb, 150, u"\u4e2d\u6587\u6b4c", u"\u738b"));
    sample(out, "ksc-marked", texts(CodePage::Ksc, 151, u"\ud55c\uad6d\uc5b4", u"\uae40"));
    sample(out, "ansi-rock", texts(CodePage::Ansi, 17, u"Na\u00efve", u"Band"));
    Mp3Sample xing;
    xing.xing = true;
    xing.frames = 5;
    sample(out, "xing", xing);
    Mp3Sample layer2;
    layer2.versionLayer = 0xFD;
    layer2.bitrateByte = 0xE0;
    layer2.genreIndex = 0;
    sample(out, "mpeg1-layer2", layer2);
    Mp3Sample mpeg2;
    mpeg2.versionLayer = 0xF3;
    mpeg2.bitrateByte = 0x50;
    mpeg2.leadingJunk = 1000;
    sample(out, "mpeg2-after-junk", mpeg2);
    Mp3Sample untagged;
    untagged.tagged = false;
    untagged.versionLayer = 0xE3;
    sample(out, "mpeg25-untagged", untagged);

    // A bare block with an ID3v1.1 track number and no audio at all.
    std::string block(128, ' ');
    block.replace(0, 3, "TAG");
    block.replace(3, 5, "Title");
    block[97 + 28] = '\0';
    block[97 + 29] = '\7';
    block[127] = char(254);
    out.seed(kTarget, "bare-block-track", block);

    for (const char* token : {"TAG", "Xing", "xing", "Info", "\xFF\xFB", "\xFF\xF3", "\xFF\xE3",
                              "\xF8", "\xF9", "\xFA", "\xFB", "\xFE"}) {
        out.token(kTarget, token);
    }
}
