#include "tests/jukebox/playback/test_media.h"

#include <gst/gst.h>

#include <QByteArray>
#include <QFile>
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

// 16-bit stereo PCM: a 440 Hz tone on the left, 660 Hz on the right.
std::string wavBytes(int samples) {
    const uint32_t dataSize = static_cast<uint32_t>(samples) * 4;
    std::string out = "RIFF";
    appendLe(out, 36 + dataSize, 4);
    out += "WAVEfmt ";
    appendLe(out, 16, 4);
    appendLe(out, 1, 2);  // PCM
    appendLe(out, 2, 2);
    appendLe(out, kRate, 4);
    appendLe(out, kRate * 4, 4);
    appendLe(out, 4, 2);
    appendLe(out, 16, 2);
    out += "data";
    appendLe(out, dataSize, 4);
    for (int i = 0; i < samples; ++i) {
        double t = static_cast<double>(i) / kRate;
        auto left = static_cast<int16_t>(8000 * std::sin(2 * M_PI * 440 * t));
        auto right = static_cast<int16_t>(8000 * std::sin(2 * M_PI * 660 * t));
        appendLe(out, static_cast<uint16_t>(left), 2);
        appendLe(out, static_cast<uint16_t>(right), 2);
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

QString encode(const std::filesystem::path& path, const std::string& chain) {
    std::string description = chain + " ! filesink location=\"" + path.string() + "\"";
    return runPipeline(description) ? QString::fromStdString(path.string()) : QString();
}

TestMedia makeMedia(const TempDir& dir) {
    TestMedia media;
    writeFileBytes(dir / "tone.wav", wavBytes(kSamples));
    media.wav = QString::fromStdString((dir / "tone.wav").string());
    media.wavMs = kSamples * 1000.0 / kRate;

    media.mp3Xing = encode(dir / "xing.mp3", audioSource() + "lamemp3enc ! xingmux");
    media.mp3Plain =
        encode(dir / "plain.mp3", audioSource() + "lamemp3enc target=bitrate cbr=true bitrate=128");
    media.mp3VbrPlain = encode(dir / "vbr.mp3", audioSource() + "lamemp3enc quality=0");
    media.mp3XingMs = mp3LengthMs(media.mp3Xing);
    media.mp3PlainMs = mp3LengthMs(media.mp3Plain);
    media.mp3VbrPlainMs = mp3LengthMs(media.mp3VbrPlain);

    media.ogg = encode(dir / "tone.ogg", audioSource() + "vorbisenc ! oggmux");
    media.oggMs = kSamples * 1000.0 / kRate;

    media.video = encode(dir / "red.webm",
                         "videotestsrc pattern=red num-buffers=30 ! "
                         "video/x-raw,width=320,height=240,framerate=15/1 ! "
                         "vp8enc deadline=1 ! webmmux");
    media.videoMs = 2000;

    writeFileBytes(dir / "notes.mp3", "These are notes about songs, not a song.\n");
    media.notMedia = QString::fromStdString((dir / "notes.mp3").string());
    return media;
}

}  // namespace

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
        const QByteArray tag = bytes.mid(pos + 36, 4);
        if (tag == "Xing" || tag == "Info") {
            // The header's own count of the frames is the length the file claims.
            const QByteArray count = bytes.mid(pos + 44, 4);
            if (count.size() == 4) {
                frames = (long{at(pos + 44)} << 24) | (long{at(pos + 45)} << 16) |
                         (long{at(pos + 46)} << 8) | long{at(pos + 47)};
                break;
            }
        }
        ++frames;
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
