#pragma once

#include <QColor>
#include <QString>

// The files the video window tests play, made once per test program: a short
// video of an odd size in one known colour, a wide one larger than the test
// screen in the same colour, one too tall for the room below the face, and a
// short sound.
struct VideoMedia {
    QString video;  // .webm, kWidth x kHeight, kColour
    QString wide;   // .webm, kWideWidth x kWideHeight, kColour
    QString tall;   // .webm, kTallWidth x kTallHeight, kColour
    QString sound;  // .wav
    static constexpr int kWidth = 322;
    static constexpr int kHeight = 242;
    static constexpr int kWideWidth = 1000;
    static constexpr int kWideHeight = 500;
    static constexpr int kTallWidth = 480;
    static constexpr int kTallHeight = 720;
    static constexpr QRgb kColour = 0xff20c040;
};

// Empty paths when GStreamer could not make a file.
const VideoMedia& videoMedia();
