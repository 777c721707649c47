#pragma once

#include <QString>
#include <cstdint>
#include <string>

// Small MP3 files for the fuzzers' seeds and fixtures: a run of MPEG audio
// frames (silent payload) and an ID3v1 block written by the tag library itself,
// so that every seed is a file the jukebox reads as its users' files.
struct Mp3Sample {
    // The first frame header's bytes after the sync byte 0xFF: 0xFB is MPEG-1
    // Layer III, 0xF3 MPEG-2 Layer III, 0xFD MPEG-1 Layer II, 0xE3 MPEG-2.5.
    uint8_t versionLayer = 0xFB;
    uint8_t bitrateByte = 0x90;  // bitrate index in the high nibble
    int frames = 3;
    bool xing = false;    // the first frame carries a Xing header
    int leadingJunk = 0;  // bytes before the first frame (ID3v2 leftovers)
    bool tagged = true;
    int codePage = 65001;  // the code page the texts are written in
    int genreIndex = 154;  // 148..154 are the code-page markers 248..254
    std::u16string title = u"Title";
    std::u16string artist = u"Artist";
    std::u16string album = u"Album";
    std::u16string year = u"1999";
    std::u16string comment = u"Comment";
};

// Writes the sample to path (which must end in "mp3"); false on failure.
bool WriteMp3Sample(const QString& path, const Mp3Sample& sample);
