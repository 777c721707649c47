// The ID3v1 block and the MPEG frame facts of one file: the input is the whole
// file. It is read honouring the code-page markers, then once in every code
// page, then detecting its code page with a folder vote, and finally written back
// and cut off again as the batch tagger does.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/scratch_folder.h"
#include "taglib/tag_record.h"

namespace {

constexpr int kCodePages[] = {CodePage::Ansi,     CodePage::Utf8, CodePage::Big5,
                              CodePage::ShiftJis, CodePage::Gb,   CodePage::Ksc};
constexpr uint32_t kFieldCodes[] = {fourCC("INAM"), fourCC("IART"), fourCC("ISRC"),
                                    fourCC("ICRD"), fourCC("ICMT"), fourCC("IGNR")};

void readEveryWay(TagRecord& record) {
    record.autoTranslate = true;
    record.selectCodePage = true;
    record.read();
    record.readMpegFacts();
    std::u16string text;
    for (uint32_t code : kFieldCodes) {
        record.fieldByCode(code, text);
    }
    record.selectCodePage = false;
    for (int codePage : kCodePages) {
        record.codePage = codePage;
        record.read();
    }
    CodePageVote vote;
    CodePageScores scores;
    if (record.scoreBlock(scores)) {
        vote.add(scores);
    }
    record.autoDetect = true;
    record.vote = &vote;
    record.read();
    record.vote = nullptr;
    record.autoDetect = false;
}

void rewrite(const std::u16string& path) {
    TagRecord record;
    record.accessMode = 0;
    if (!record.open(path)) {
        return;
    }
    record.autoTranslate = true;
    record.selectCodePage = true;
    record.read();
    record.write();
    record.read();
    record.removeTag();
    record.close();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScratchFolder scratch(QStringLiteral("tag"));
    const std::u16string path =
        scratch.write(QStringLiteral("input.mp3"), data, size).toStdU16String();
    {
        TagRecord record;
        if (record.open(path)) {
            readEveryWay(record);
            record.close();
        }
    }
    rewrite(path);
    return 0;
}
