#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// What a walk over the MPEG audio frames of a file found.
struct MpegStreamLength {
    int64_t frames = 0;     // audio frames (a Xing, Info or VBRI frame carries none)
    double durationMs = 0;  // each frame's samples over its own sample rate, summed,
                            // less the encoder's delay and padding when known
    // The samples the encoder put before and after the music, as the LAME
    // extension of a Xing or Info header gives them (0 without one).
    int encoderDelay = 0;
    int encoderPadding = 0;
};

// The playing time of an MPEG audio file (MP3 and its Layer I and II kin), counted
// frame by frame: from the first run of frames after an ID3v2 tag to the end of
// the file or its ID3v1 block, each header giving its frame's length, samples and
// sample rate. A file without a Xing header says its length nowhere else, and an
// estimate from the bit rate of its first frames can be far off.
//
// Only the headers are read, through a window that moves forward over the file,
// so a 10 MB file costs a few milliseconds. Damaged data between frames is
// skipped (the walk picks up at the next header that the one after it confirms),
// but not more of it than of frames: a video file with MP3 frames in passing is
// given up early. Every step moves forward and no read leaves the file, so any
// bytes end the walk.
//
// An encoder adds silence before the music (its delay) and fills the last frame
// (its padding); the LAME extension of a Xing or Info header counts both. When it
// does and its frame count is the one walked, the length is the music's alone, as
// gapless decoders (GStreamer's among them) play it.
class MpegFrameScan {
public:
    // Walks the file at localPath (its bytes). False when it cannot be read, is
    // not a regular file (a FIFO is refused without blocking), or holds no run of
    // frames near its start, or fewer frame bytes than other data: then length is
    // left as it was and the caller keeps whatever figure it had.
    static bool scanFile(std::string_view localPath, MpegStreamLength& length);
    // The same over an open file of fileLength bytes (read with pread, so the
    // file offset is left alone).
    static bool scanDescriptor(int fd, int64_t fileLength, MpegStreamLength& length);

    // The size of the window the headers are read through.
    static constexpr int kWindowBytes = 128 * 1024;

private:
    struct Header {
        int versionBits = 0;
        int layerBits = 0;
        int sampleRateIndex = 0;
        int sampleRate = 0;
        int samples = 0;
        int length = 0;
    };

    MpegFrameScan(int fd, int64_t fileLength);
    bool walk(MpegStreamLength& length);

    // Reading: count bytes at offset, or null when they lie (partly) beyond the file
    // or cannot be read.
    const uint8_t* bytesAt(int64_t offset, int count);
    bool headerAt(int64_t offset, Header& header);
    // A header at offset of the same version, layer and sample rate as the first
    // one, whose frame ends within the audio.
    bool matchingAt(int64_t offset, Header& header);

    int64_t skipId3v2Tags();
    int64_t audioEnd();
    int64_t findFirstRun(int64_t from);
    bool confirmedAt(int64_t offset, int framesAfter);
    int64_t resync(int64_t from, int64_t limit);
    bool carriesNoAudio(int64_t offset, const Header& header);
    // Reads the frame count, delay and padding of a Xing or Info header with the
    // LAME extension in the frame at offset; false without one.
    bool readEncoderGap(int64_t offset, const Header& header);
    int64_t xingOffset(int64_t offset, const Header& header);
    void takeOffEncoderGap(MpegStreamLength& length) const;

    int fd_;
    int64_t fileLength_;
    int64_t end_ = 0;  // where the audio ends: the file's end or its ID3v1 block
    Header first_;
    std::vector<uint8_t> window_;
    int64_t windowStart_ = 0;
    int64_t windowFill_ = 0;
    // What the LAME extension says; taggedFrames_ is -1 without one.
    int64_t taggedFrames_ = -1;
    int encoderDelay_ = 0;
    int encoderPadding_ = 0;
};
