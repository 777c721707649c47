// Counting the frames of MPEG audio files built byte by byte: every version and
// layer, tags around the audio, damaged data, and bytes that are no audio at all.
#include "taglib/mpeg_frame_scan.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

namespace {

// One kind of frame: its header bytes and, worked out by hand, its size in bytes,
// samples and sample rate.
struct FrameKind {
    const char* name;
    uint8_t b1;
    uint8_t b2;
    int length;
    int samples;
    int rate;
};

const FrameKind kMpeg1Layer3 = {
    "MPEG-1 Layer III 128 kbit/s 44.1 kHz", 0xFB, 0x90, 417, 1152, 44100};
const FrameKind kKinds[] = {
    kMpeg1Layer3,
    {"MPEG-1 Layer III 320 kbit/s 48 kHz", 0xFB, 0xE4, 960, 1152, 48000},
    {"MPEG-1 Layer II 192 kbit/s 48 kHz", 0xFD, 0xA4, 576, 1152, 48000},
    {"MPEG-1 Layer I 448 kbit/s 44.1 kHz", 0xFF, 0xE0, 484, 384, 44100},
    {"MPEG-2 Layer III 64 kbit/s 22.05 kHz", 0xF3, 0x80, 208, 576, 22050},
    {"MPEG-2 Layer I 32 kbit/s 24 kHz", 0xF7, 0x14, 64, 384, 24000},
    {"MPEG-2.5 Layer III 8 kbit/s 8 kHz", 0xE3, 0x18, 72, 576, 8000},
};

// A frame: its header (b3 0x44, joint stereo) and a body of filler bytes.
std::string frame(const FrameKind& kind, bool padded = false, char filler = '\0') {
    const int paddingBytes = kind.b1 == 0xFF || kind.b1 == 0xF7 ? 4 : 1;  // Layer I: a slot
    std::string bytes(static_cast<size_t>(kind.length + (padded ? paddingBytes : 0)), filler);
    bytes[0] = '\xFF';
    bytes[1] = static_cast<char>(kind.b1);
    bytes[2] = static_cast<char>(kind.b2 | (padded ? 0x02 : 0));
    bytes[3] = '\x44';
    return bytes;
}

std::string frames(const FrameKind& kind, int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        bytes += frame(kind, i % 3 == 1);
    }
    return bytes;
}

double msOf(const FrameKind& kind, int count) {
    return count * kind.samples * 1000.0 / kind.rate;
}

// An ID3v2 tag of size body bytes (with a footer when asked) holding filler.
std::string id3v2(int size, const std::string& filler, bool footer = false) {
    std::string tag = "ID3\x04";
    tag += '\0';
    tag += static_cast<char>(footer ? 0x10 : 0x00);
    for (int shift : {21, 14, 7, 0}) {
        tag += static_cast<char>((size >> shift) & 0x7F);
    }
    std::string body = filler;
    body.resize(static_cast<size_t>(size), '\0');
    tag += body;
    if (footer) {
        tag += std::string("3DI\x04\0\0\0\0\0\0", 10);
    }
    return tag;
}

class MpegFrameScanTest : public testing::Test {
protected:
    bool scan(const std::string& bytes) {
        // A new file each time: rewriting one over its old data makes the file
        // system flush it.
        std::filesystem::remove(dir / "f.mp3");
        writeFileBytes(dir / "f.mp3", bytes);
        length = MpegStreamLength();
        return MpegFrameScan::scanFile((dir / "f.mp3").string(), length);
    }

    TempDir dir;
    MpegStreamLength length;
};

TEST_F(MpegFrameScanTest, EachFrameCountsItsOwnSamplesAtItsOwnRate) {
    for (const FrameKind& kind : kKinds) {
        ASSERT_TRUE(scan(frames(kind, 50))) << kind.name;
        EXPECT_EQ(length.frames, 50) << kind.name;
        EXPECT_NEAR(length.durationMs, msOf(kind, 50), 1e-6) << kind.name;
    }
    // A variable bit rate: every frame has its own length.
    const FrameKind rates[] = {{"32 kbit/s", 0xFB, 0x10, 104, 1152, 44100},
                               kMpeg1Layer3,
                               {"320 kbit/s", 0xFB, 0xE0, 1044, 1152, 44100},
                               {"64 kbit/s", 0xFB, 0x50, 208, 1152, 44100}};
    std::string vbr;
    for (int i = 0; i < 200; ++i) {
        vbr += frame(rates[i % 4], i % 7 == 0);
    }
    ASSERT_TRUE(scan(vbr));
    EXPECT_EQ(length.frames, 200);
    EXPECT_NEAR(length.durationMs, msOf(kMpeg1Layer3, 200), 1e-6);
    // Two frames are a run when they are the whole file.
    ASSERT_TRUE(scan(frames(kMpeg1Layer3, 2)));
    EXPECT_EQ(length.frames, 2);
}

TEST_F(MpegFrameScanTest, TagsAroundTheAudioAndADescriptiveFirstFrameAreNoAudio) {
    // An ID3v2 tag holding a run of frames of its own (a picture could), a Xing
    // frame, the audio, and an ID3v1 block whose last bytes look like a frame that
    // ends with the file.
    const std::string inTag = frames(kMpeg1Layer3, 6);
    std::string xing = frame(kMpeg1Layer3);
    xing.replace(4 + 32, 4, "Xing");
    std::string id3v1 = "TAG" + std::string(125, ' ');
    std::string lastFrame = frame(kMpeg1Layer3);
    lastFrame[2] = '\x10';  // 32 kbit/s: 104 bytes
    id3v1.replace(128 - 104, 4, lastFrame.substr(0, 4));
    ASSERT_TRUE(scan(id3v2(4000, inTag) + xing + frames(kMpeg1Layer3, 100) + id3v1));
    EXPECT_EQ(length.frames, 100);
    EXPECT_NEAR(length.durationMs, msOf(kMpeg1Layer3, 100), 1e-6);

    // Two tags in a row, the first with a footer; an Info frame of a mono MPEG-2
    // file sits after 9 bytes of side information, a VBRI frame 32 bytes in.
    const FrameKind& mpeg2 = kKinds[4];
    std::string info = frame(mpeg2);
    info[3] = '\xC4';  // mono
    info.replace(4 + 9, 4, "Info");
    ASSERT_TRUE(scan(id3v2(300, inTag, true) + id3v2(20, "") + info + frames(mpeg2, 40)));
    EXPECT_EQ(length.frames, 40);
    std::string vbri = frame(kMpeg1Layer3);
    vbri.replace(36, 4, "VBRI");
    ASSERT_TRUE(scan(vbri + frames(kMpeg1Layer3, 40)));
    EXPECT_EQ(length.frames, 40);
    // A Layer II frame is audio whatever its body says.
    std::string layer2 = frame(kKinds[2]);
    layer2.replace(4 + 32, 4, "Xing");
    ASSERT_TRUE(scan(layer2 + frames(kKinds[2], 40)));
    EXPECT_EQ(length.frames, 41);
}

// The first frame of a LAME file: an Info (or Xing) header with the fields flags
// names, then the LAME extension from encoder with the delay and padding.
std::string lameFrame(const char* header, uint32_t flags, uint32_t frameCount, int delay,
                      int padding, const char* encoder = "LAME3.100") {
    std::string bytes = frame(kMpeg1Layer3);
    std::string tag = header;
    for (uint32_t value : {flags, frameCount}) {
        for (int shift : {24, 16, 8, 0}) {
            tag += static_cast<char>((value >> shift) & 0xFF);
        }
    }
    if (flags & 2) {
        tag += std::string(4, '\x11');
    }
    if (flags & 4) {
        tag += std::string(100, '\x22');
    }
    if (flags & 8) {
        tag += std::string(4, '\x33');
    }
    std::string extension = std::string(encoder).substr(0, 9);
    extension.resize(21, '\x44');
    extension += static_cast<char>(delay >> 4);
    extension += static_cast<char>(((delay & 0x0F) << 4) | (padding >> 8));
    extension += static_cast<char>(padding & 0xFF);
    tag += extension;
    bytes.replace(4 + 32, tag.size(), tag);
    return bytes;
}

TEST_F(MpegFrameScanTest, TheLameExtensionTakesOffTheEncodersDelayAndPadding) {
    const double music = (100 * 1152 - 576 - 918) * 1000.0 / 44100;
    struct Case {
        const char* name;
        std::string first;
        double ms;
        int delay;
    };
    const Case cases[] = {
        {"Info, every field", lameFrame("Info", 0x0F, 100, 576, 918), music, 576},
        {"Xing, frames only", lameFrame("Xing", 0x01, 100, 576, 918), music, 576},
        {"Xing, no table", lameFrame("Xing", 0x0B, 100, 576, 918), music, 576},
        {"FFmpeg's", lameFrame("Info", 0x0F, 100, 576, 918, "Lavc59.37"), music, 576},
        {"largest fields", lameFrame("Info", 0x0F, 100, 4095, 4095),
         (100 * 1152 - 8190) * 1000.0 / 44100, 4095},
        // No tag to trust: the frames as they are.
        {"another encoder", lameFrame("Info", 0x0F, 100, 576, 918, "GOGO"), msOf(kMpeg1Layer3, 100),
         0},
        {"no frame count", lameFrame("Info", 0x0E, 100, 576, 918), msOf(kMpeg1Layer3, 100), 0},
        {"cut short after encoding", lameFrame("Info", 0x0F, 120, 576, 918),
         msOf(kMpeg1Layer3, 100), 0},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(scan(c.first + frames(kMpeg1Layer3, 100))) << c.name;
        EXPECT_EQ(length.frames, 100) << c.name;
        EXPECT_NEAR(length.durationMs, c.ms, 1e-6) << c.name;
        EXPECT_EQ(length.encoderDelay, c.delay) << c.name;
    }
    // A gap as long as the music leaves the count alone.
    ASSERT_TRUE(scan(lameFrame("Info", 0x0F, 2, 4095, 4095) + frames(kMpeg1Layer3, 2)));
    EXPECT_NEAR(length.durationMs, msOf(kMpeg1Layer3, 2), 1e-6);
}

TEST_F(MpegFrameScanTest, DamagedDataIsSkippedAndAnUnfinishedLastFrameIsNotCounted) {
    // Junk before the first frame, junk with lone sync patterns and a header whose
    // frame does not lead to another between frames, and a last frame cut short.
    std::string junk(900, '\x55');
    junk.replace(100, 4, frame(kMpeg1Layer3).substr(0, 4));
    junk.replace(700, 2, "\xFF\xFB");
    const std::string cut = frame(kMpeg1Layer3).substr(0, 200);
    ASSERT_TRUE(scan(std::string(333, '\0') + frames(kMpeg1Layer3, 30) + junk +
                     frames(kMpeg1Layer3, 30) + cut));
    EXPECT_EQ(length.frames, 60);
    EXPECT_NEAR(length.durationMs, msOf(kMpeg1Layer3, 60), 1e-6);
    // A frame of another layer or rate in the middle is damage too.
    ASSERT_TRUE(scan(frames(kMpeg1Layer3, 10) + frames(kKinds[1], 3) + frames(kMpeg1Layer3, 10)));
    EXPECT_EQ(length.frames, 20);
}

TEST_F(MpegFrameScanTest, BytesWithoutARunOfFramesGiveNoLength) {
    std::mt19937 random(7);
    std::string noise(256 * 1024, '\0');
    for (char& c : noise) {
        c = static_cast<char>(random());
    }
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"shorter than a header", "\xFF\xFB"},
        {"noise", noise},
        {"all 0xFF", std::string(100000, '\xFF')},
        {"one frame, then zeros", frame(kMpeg1Layer3) + std::string(5000, '\0')},
        {"free-format frames", std::string(4, '\0') + frames({"", 0xFB, 0x00, 417, 0, 0}, 20)},
        {"the first run too far in", std::string(70 * 1024, '\0') + frames(kMpeg1Layer3, 50)},
        {"frames a small part of the file", frames(kMpeg1Layer3, 20) + std::string(20000, '\0')},
        {"only an ID3v2 tag claiming more than the file",
         id3v2(300, frames(kMpeg1Layer3, 6)).replace(6, 4, "\x7F\x7F\x7F\x7F")},
    };
    for (const Case& c : cases) {
        length.frames = -1;
        EXPECT_FALSE(scan(c.bytes)) << c.name;
        EXPECT_EQ(length.frames, 0) << c.name;  // left as the caller had it
    }
    EXPECT_FALSE(MpegFrameScan::scanFile((dir / "missing.mp3").string(), length));
    EXPECT_FALSE(MpegFrameScan::scanFile(dir.path().string(), length));
}

TEST_F(MpegFrameScanTest, FramesInPassingAreGivenUpWithoutReadingTheWholeFile) {
    // A run of frames at the start of a file of 64 GiB (sparse) of anything else.
    const std::filesystem::path path = dir / "huge.avi";
    writeFileBytes(path, frames(kMpeg1Layer3, 20));
    std::filesystem::resize_file(path, std::uintmax_t{64} << 30);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(MpegFrameScan::scanFile(path.string(), length));
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    std::filesystem::remove(path);
}

TEST_F(MpegFrameScanTest, AFifoIsRefusedWithoutWaitingForAWriter) {
    const std::string fifo = (dir / "x.mp3").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    MpegStreamLength found;
    EXPECT_FALSE(MpegFrameScan::scanFile(fifo, found));
}

TEST_F(MpegFrameScanTest, DamagedFilesOfEveryKindEndTheWalkWithinTheFile) {
    std::mt19937 random(11);
    std::string clean;
    for (const FrameKind& kind : kKinds) {
        clean += frames(kind, 10);
    }
    const auto started = std::chrono::steady_clock::now();
    for (int round = 0; round < 300; ++round) {
        std::string bytes = clean.substr(0, random() % clean.size());
        for (int flips = static_cast<int>(random() % 40); flips > 0 && !bytes.empty(); --flips) {
            bytes[random() % bytes.size()] = static_cast<char>(random() % 3 == 0 ? 0xFF : random());
        }
        MpegStreamLength found;
        if (scan(bytes)) {
            // The shortest frame of any kind is 24 bytes.
            EXPECT_LE(length.frames * 24, static_cast<int64_t>(bytes.size())) << round;
            EXPECT_GT(length.durationMs, 0) << round;
        }
    }
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
}

}  // namespace
