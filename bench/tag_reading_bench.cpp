// Reading the ID3v1 block and the MPEG facts of 10,000 small MP3 files, and the
// ID3v2 tags and Vorbis comments (Ogg Vorbis, FLAC) of 10,000 files each, beside
// a baseline that only opens each file, reads its first 4 and last 128 bytes and
// closes it.
#include <benchmark/benchmark.h>

#include <id3v2tag.h>
#include <vorbisfile.h>
#include <xiphcomment.h>

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "bench/bench_files.h"
#include "jukebox/tracklist/rich_tags.h"
#include "taglib/code_page_converter.h"
#include "taglib/tag_record.h"

namespace {

constexpr int kFileCount = 10000;

const std::vector<std::string>& files() {
    static BenchFolder folder;
    static std::vector<std::string> paths = makeTaggedMp3Files(folder.path(), kFileCount);
    return paths;
}

void BM_OpenReadHeadAndTailBaseline(benchmark::State& state) {
    const auto& paths = files();
    for (auto _ : state) {
        benchmark::DoNotOptimize(readHeadsAndTails(paths));
    }
    state.SetItemsProcessed(state.iterations() * kFileCount);
}
BENCHMARK(BM_OpenReadHeadAndTailBaseline)->Unit(benchmark::kMillisecond);

void BM_ReadTagAndMpegFacts(benchmark::State& state) {
    const auto& paths = files();
    // Paths are converted beforehand: the jukebox holds them as UTF-16 already.
    std::vector<std::u16string> widePaths;
    for (const std::string& path : paths) {
        widePaths.push_back(utf8ToUtf16(path));
    }
    TagRecord record;
    record.selectCodePage = true;
    record.autoTranslate = true;
    for (auto _ : state) {
        for (const std::u16string& path : widePaths) {
            record.open(path);
            record.read();
            record.readMpegFacts();
            benchmark::DoNotOptimize(record.title.data());
            record.close();
        }
    }
    state.SetItemsProcessed(state.iterations() * kFileCount);
}
BENCHMARK(BM_ReadTagAndMpegFacts)->Unit(benchmark::kMillisecond);

// --- ID3v2 tags and Vorbis comments ---

// count copies of bytes named like the files of a collection.
std::vector<std::string> copies(const std::filesystem::path& folder, const std::string& bytes,
                                const char* extension, int count) {
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "track%05d.%s", i, extension);
        paths.push_back((folder / name).string());
        std::ofstream(paths.back(), std::ios::binary) << bytes;
    }
    return paths;
}

// The texts most tags hold: a title in Chinese (a Unicode frame), the others in
// Latin-1 frames.
template <typename Tag>
void fillTag(Tag& tag) {
    tag.setTitle(
        TagLib::String("\u6708\u4EAE\u4EE3\u8868\u6211\u7684\u5FC3", TagLib::String::UTF8));
    tag.setArtist("Some Artist");
    tag.setAlbum("The Album");
    tag.setYear(1998);
    tag.setGenre("Pop");
    tag.setComment("ripped");
}

// MP3 files of an ID3v2.4 tag and audio, without an ID3v1 block.
std::vector<std::string> makeId3v2Files(const std::filesystem::path& folder) {
    TagLib::ID3v2::Tag tag;
    fillTag(tag);
    const TagLib::ByteVector rendered = tag.render();
    std::string body(4096, '\0');
    body.replace(0, 3, "\xFF\xFB\x90");
    return copies(folder, std::string(rendered.data(), rendered.size()) + body, "mp3", kFileCount);
}

// FLAC files: the stream info and a Vorbis comment block, then a little audio.
std::vector<std::string> makeFlacFiles(const std::filesystem::path& folder) {
    TagLib::Ogg::XiphComment comment;
    fillTag(comment);
    const TagLib::ByteVector data = comment.render(false);
    std::string bytes = "fLaC";
    bytes += std::string("\x00\x00\x00\x22", 4);  // STREAMINFO, 34 bytes
    bytes += std::string("\x10\x00\x10\x00\x00\x00\x00\x00\x00\x00\x0A\xC4\x42\xF0", 14);
    bytes += std::string(20, '\0');
    const auto size = static_cast<unsigned>(data.size());
    bytes += static_cast<char>(0x84);  // the last block: VORBIS_COMMENT
    bytes += static_cast<char>(size >> 16);
    bytes += static_cast<char>(size >> 8);
    bytes += static_cast<char>(size);
    bytes += std::string(data.data(), data.size());
    bytes += std::string(4096, '\xFF');
    return copies(folder, bytes, "flac", kFileCount);
}

// Ogg Vorbis files: a tenth of a second encoded by GStreamer, then commented.
std::vector<std::string> makeOggFiles(const std::filesystem::path& folder) {
    const std::string first = (folder / "made.ogg").string();
    const std::string command =
        "gst-launch-1.0 -q audiotestsrc num-buffers=5 ! audioconvert ! "
        "vorbisenc ! oggmux ! filesink location=\"" +
        first + "\"";
    if (std::system(command.c_str()) != 0) {
        return {};
    }
    {
        TagLib::Ogg::Vorbis::File file(first.c_str(), false);
        fillTag(*file.tag());
        file.save();
    }
    std::ifstream in(first, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return copies(folder, bytes, "ogg", kFileCount);
}

enum RichKind { Id3v2Files, FlacFiles, OggFiles, UntaggedMp3Files };

const std::vector<QString>& richFiles(RichKind kind) {
    static BenchFolder folder;
    static std::vector<QString> made[4];
    if (made[kind].empty()) {
        const std::filesystem::path sub = folder.path() / std::to_string(kind);
        std::filesystem::create_directory(sub);
        std::vector<std::string> paths;
        switch (kind) {
            case Id3v2Files:
                paths = makeId3v2Files(sub);
                break;
            case FlacFiles:
                paths = makeFlacFiles(sub);
                break;
            case OggFiles:
                paths = makeOggFiles(sub);
                break;
            case UntaggedMp3Files:
                paths = copies(sub, "\xFF\xFB\x90" + std::string(4093, '\0'), "mp3", kFileCount);
                break;
        }
        for (const std::string& path : paths) {
            made[kind].push_back(QString::fromStdString(path));
        }
    }
    return made[kind];
}

void BM_ReadRichTags(benchmark::State& state) {
    const auto kind = static_cast<RichKind>(state.range(0));
    const std::vector<QString>& paths = richFiles(kind);
    if (paths.empty()) {
        state.SkipWithError("the files could not be made");
        return;
    }
    RichTagTexts texts;
    for (auto _ : state) {
        for (const QString& path : paths) {
            const bool mp3 = kind == Id3v2Files || kind == UntaggedMp3Files;
            const bool read =
                mp3 ? RichTags::ReadId3v2(path, texts) : RichTags::ReadVorbisComments(path, texts);
            if (read == (kind == UntaggedMp3Files)) {
                state.SkipWithError("a tag was not read as made");
                return;
            }
            benchmark::DoNotOptimize(texts.title.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(paths.size()));
}
// 0 ID3v2 (MP3), 1 FLAC, 2 Ogg Vorbis, 3 MP3 without any tag (ID3v2 looked for)
BENCHMARK(BM_ReadRichTags)
    ->Arg(Id3v2Files)
    ->Arg(FlacFiles)
    ->Arg(OggFiles)
    ->Arg(UntaggedMp3Files)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
