#pragma once

#include <QString>
#include <filesystem>
#include <string>

// Media files the playback tests play, made once per test program: WAVs written
// byte by byte, MP3s, an Ogg Vorbis and a FLAC made with GStreamer's encoders, MP3s
// made by the lame program, a small VP8 video of a known size and colour, music in
// video containers, and a text file named like an MP3.
struct TestMedia {
    QString wav;
    QString wav8Odd;      // 8-bit mono with an odd data size and its pad byte
    QString wav24Odd;     // the same in 24 bits
    QString mp3Xing;      // VBR with a Xing header
    QString mp3Plain;     // CBR without any header
    QString mp3VbrPlain;  // VBR without a header: its length is learnt while playing
    // VBR without a header, quiet at first and loud after: its first frames are
    // small, so their bit rate says little of the whole file.
    QString mp3VbrQuietStart;
    // lame's default output (CBR with an Info header and its encoder delay and
    // padding) of tones of exactly 2.5 s and 3 s.
    QString mp3Lame;
    QString mp3Lame3s;
    QString ogg;
    QString flac;
    QString video;
    // Sound only, in the containers of video files.
    QString audioWebm;
    QString audioMp4;
    QString notMedia;

    // The true lengths in milliseconds (for the MP3s counted from their frames).
    double wavMs = 0;
    double wav8OddMs = 0;
    double wav24OddMs = 0;
    double mp3XingMs = 0;
    double mp3PlainMs = 0;
    double mp3VbrPlainMs = 0;
    double mp3VbrQuietStartMs = 0;
    double oggMs = 0;
    double flacMs = 0;
    double videoMs = 0;
    static constexpr int kLameMs = 2500;
    static constexpr int kLame3sMs = 3000;

    static constexpr int kVideoWidth = 320;
    static constexpr int kVideoHeight = 240;
};

// Makes the files on the first call; an empty path means a file could not be made.
const TestMedia& testMedia();

// The playing length of an MPEG-1 Layer III file at 44.1 kHz from its frames. A Xing
// or Info frame is not counted: decoders drop it (and the count in the header that
// GStreamer's xingmux writes includes it).
double mp3LengthMs(const QString& path);

// Runs a GStreamer chain into a file at path and waits for its end; branches
// are further chains that feed it. The path on success, else an empty text.
QString encodeMedia(const std::filesystem::path& path, const std::string& chain,
                    const std::string& branches = std::string());

// Seconds of silence as a 16-bit stereo 44.1 kHz WAV file's bytes.
std::string silentWavBytes(int seconds);
