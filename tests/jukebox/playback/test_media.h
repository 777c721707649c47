#pragma once

#include <QString>

// Media files the playback tests play, made once per test program: a WAV written
// byte by byte, MP3s and an Ogg Vorbis made with GStreamer's encoders, a small VP8
// video of a known size and colour, and a text file named like an MP3.
struct TestMedia {
    QString wav;
    QString mp3Xing;      // VBR with a Xing header
    QString mp3Plain;     // CBR without any header
    QString mp3VbrPlain;  // VBR without a header: its length is learnt while playing
    QString ogg;
    QString video;
    QString notMedia;

    // The true lengths in milliseconds (for the MP3s counted from their frames).
    double wavMs = 0;
    double mp3XingMs = 0;
    double mp3PlainMs = 0;
    double mp3VbrPlainMs = 0;
    double oggMs = 0;
    double videoMs = 0;

    static constexpr int kVideoWidth = 320;
    static constexpr int kVideoHeight = 240;
};

// Makes the files on the first call; an empty path means a file could not be made.
const TestMedia& testMedia();

// The length of an MPEG-1 Layer III file from its frames, or from the frame count of its
// Xing or Info header when it has one.
double mp3LengthMs(const QString& path);
