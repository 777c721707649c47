#include "tests/jukebox/playback/test_media.h"

#include <gst/gst.h>

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <cmath>
#include <cstdint>
#include <string>

#include "tests/support/temp_dir.h"

namespace {

constexpr int kRate = 44100;
constexpr int kSamplesPerBuffer = 1024;
constexpr int kBuffers = 64;  // about 1.5 s
constexpr int kSamples = kBuffers * kSamplesPerBuffer;

void appendLe(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

std::string wavHeader(int channels, int rate, int bits, uint32_t dataSize) {
    const int blockAlign = channels * bits / 8;
    std::string out = "RIFF";
    appendLe(out, 36 + dataSize + (dataSize & 1), 4);  // with the pad byte
    out += "WAVEfmt ";
    appendLe(out, 16, 4);
    appendLe(out, 1, 2);  // PCM
    appendLe(out, channels, 2);
    appendLe(out, rate, 4);
    appendLe(out, rate * blockAlign, 4);
    appendLe(out, blockAlign, 2);
    appendLe(out, bits, 2);
    out += "data";
    appendLe(out, dataSize, 4);
    return out;
}

// 16-bit stereo PCM: a 440 Hz tone on the left, 660 Hz on the right.
std::string wavBytes(int samples) {
    std::string out = wavHeader(2, kRate, 16, static_cast<uint32_t>(samples) * 4);
    for (int i = 0; i < samples; ++i) {
        double t = static_cast<double>(i) / kRate;
        auto left = static_cast<int16_t>(8000 * std::sin(2 * M_PI * 440 * t));
        auto right = static_cast<int16_t>(8000 * std::sin(2 * M_PI * 660 * t));
        appendLe(out, static_cast<uint16_t>(left), 2);
        appendLe(out, static_cast<uint16_t>(right), 2);
    }
    return out;
}

// Mono PCM of 8 or 24 bits at 22.05 kHz; an odd number of samples gives an odd data
// size, which a valid file follows with a pad byte.
std::string monoWavBytes(int bits, int samples) {
    const int bytesPerSample = bits / 8;
    const auto dataSize = static_cast<uint32_t>(samples * bytesPerSample);
    std::string out = wavHeader(1, kRate / 2, bits, dataSize);
    for (int i = 0; i < samples; ++i) {
        const double wave = std::sin(2 * M_PI * 440 * i / (kRate / 2.0));
        if (bits == 8) {
            out.push_back(static_cast<char>(128 + static_cast<int>(100 * wave)));
        } else {
            appendLe(out, static_cast<uint32_t>(static_cast<int32_t>(4000000 * wave)), 3);
        }
    }
    if (dataSize & 1) {
        out.push_back('\0');
    }
    return out;
}

bool runPipeline(const std::string& description) {
    GError* error = nullptr;
    GstElement* pipeline = gst_parse_launch(description.c_str(), &error);
    if (pipeline == nullptr || error != nullptr) {
        g_clear_error(&error);
        if (pipeline != nullptr) {
            gst_object_unref(pipeline);
        }
        return false;
    }
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    GstBus* bus = gst_element_get_bus(pipeline);
    GstMessage* message = gst_bus_timed_pop_filtered(
        bus, 60 * GST_SECOND, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    bool ok = message != nullptr && GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
    if (message != nullptr) {
        gst_message_unref(message);
    }
    gst_object_unref(bus);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
    return ok;
}

std::string audioSource() {
    return "audiotestsrc wave=sine freq=440 num-buffers=" + std::to_string(kBuffers) +
           " samplesperbuffer=" + std::to_string(kSamplesPerBuffer) +
           " ! audio/x-raw,rate=44100,channels=2 ! ";
}

// Branches into a concat element named parts: 0.9 s of silence, then 1.6 s of noise.
std::string quietThenLoud() {
    const std::string format =
        " samplesperbuffer=1024 ! audio/x-raw,rate=44100,channels=2 ! parts. ";
    return " audiotestsrc wave=silence num-buffers=40" + format +
           "audiotestsrc wave=white-noise num-buffers=68" + format;
}

// A tone of ms milliseconds encoded by the lame program with its defaults.
QString lameMp3(const TempDir& dir, const std::string& name, int ms) {
    const std::filesystem::path wav = dir / (name + ".wav");
    const std::filesystem::path mp3 = dir / (name + ".mp3");
    writeFileBytes(wav, wavBytes(static_cast<int>(static_cast<int64_t>(kRate) * ms / 1000)));
    const int exitCode = QProcess::execute(
        QStringLiteral("lame"), {QStringLiteral("--quiet"), QString::fromStdString(wav.string()),
                                 QString::fromStdString(mp3.string())});
    return exitCode == 0 ? QString::fromStdString(mp3.string()) : QString();
}

TestMedia makeMedia(const TempDir& dir) {
    TestMedia media;
    writeFileBytes(dir / "tone.wav", wavBytes(kSamples));
    media.wav = QString::fromStdString((dir / "tone.wav").string());
    media.wavMs = kSamples * 1000.0 / kRate;

    constexpr int kOddSamples = 22051;  // a second at 22.05 kHz, and one more
    writeFileBytes(dir / "odd8.wav", monoWavBytes(8, kOddSamples));
    media.wav8Odd = QString::fromStdString((dir / "odd8.wav").string());
    writeFileBytes(dir / "odd24.wav", monoWavBytes(24, kOddSamples));
    media.wav24Odd = QString::fromStdString((dir / "odd24.wav").string());
    media.wav8OddMs = media.wav24OddMs = kOddSamples * 1000.0 / (kRate / 2);

    media.mp3Xing = encodeMedia(dir / "xing.mp3", audioSource() + "lamemp3enc ! xingmux");
    media.mp3Plain = encodeMedia(dir / "plain.mp3",
                                 audioSource() + "lamemp3enc target=bitrate cbr=true bitrate=128");
    media.mp3VbrPlain = encodeMedia(dir / "vbr.mp3", audioSource() + "lamemp3enc quality=0");
    media.mp3XingMs = mp3LengthMs(media.mp3Xing);
    media.mp3PlainMs = mp3LengthMs(media.mp3Plain);
    media.mp3VbrPlainMs = mp3LengthMs(media.mp3VbrPlain);
    media.mp3VbrQuietStart =
        encodeMedia(dir / "quiet-start.mp3",
                    "concat name=parts ! audioconvert ! lamemp3enc quality=0", quietThenLoud());
    media.mp3VbrQuietStartMs = mp3LengthMs(media.mp3VbrQuietStart);

    media.mp3Lame = lameMp3(dir, "lame", TestMedia::kLameMs);
    media.mp3Lame3s = lameMp3(dir, "lame3s", TestMedia::kLame3sMs);

    media.ogg = encodeMedia(dir / "tone.ogg", audioSource() + "vorbisenc ! oggmux");
    media.oggMs = kSamples * 1000.0 / kRate;
    media.flac = encodeMedia(dir / "tone.flac", audioSource() + "flacenc");
    media.flacMs = kSamples * 1000.0 / kRate;

    media.video = encodeMedia(dir / "red.webm",
                              "videotestsrc pattern=red num-buffers=30 ! "
                              "video/x-raw,width=320,height=240,framerate=15/1 ! "
                              "vp8enc deadline=1 ! webmmux");
    media.videoMs = 2000;
    media.audioWebm = encodeMedia(dir / "music.webm", audioSource() + "vorbisenc ! webmmux");
    media.audioMp4 = encodeMedia(dir / "music.mp4", audioSource() + "avenc_aac ! mp4mux");

    writeFileBytes(dir / "notes.mp3", "These are notes about songs, not a song.\n");
    media.notMedia = QString::fromStdString((dir / "notes.mp3").string());
    return media;
}

}  // namespace

std::string silentWavBytes(int seconds) {
    const auto dataSize = static_cast<uint32_t>(seconds) * 44100 * 4;
    return wavHeader(2, 44100, 16, dataSize) + std::string(dataSize, '\0');
}

QString encodeMedia(const std::filesystem::path& path, const std::string& chain,
                    const std::string& branches) {
    std::string description = chain + " ! filesink location=\"" + path.string() + "\" " + branches;
    return runPipeline(description) ? QString::fromStdString(path.string()) : QString();
}

double mp3LengthMs(const QString& path) {
    static const int kBitrates[16] = {0,   32,  40,  48,  56,  64,  80,  96,
                                      112, 128, 160, 192, 224, 256, 320, 0};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray bytes = file.readAll();
    auto at = [&](qsizetype i) { return static_cast<uint8_t>(bytes[i]); };
    long frames = 0;
    qsizetype pos = 0;
    while (pos + 4 <= bytes.size()) {
        if (at(pos) != 0xFF || (at(pos + 1) & 0xFE) != 0xFA) {
            ++pos;  // not an MPEG-1 Layer III sync
            continue;
        }
        int bitrate = kBitrates[at(pos + 2) >> 4];
        int padding = (at(pos + 2) >> 1) & 1;
        if (bitrate == 0) {
            ++pos;
            continue;
        }
        const qsizetype length = 144000 * bitrate / kRate + padding;
        // A Xing or Info frame describes the file and is not played.
        const QByteArray tag = bytes.mid(pos + 36, 4);
        if (tag != "Xing" && tag != "Info") {
            ++frames;
        }
        pos += length;
    }
    return frames * 1152 * 1000.0 / kRate;
}

const TestMedia& testMedia() {
    static TempDir dir;
    static const TestMedia media = [] {
        gst_init(nullptr, nullptr);
        return makeMedia(dir);
    }();
    return media;
}
