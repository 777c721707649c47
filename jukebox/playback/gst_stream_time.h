#pragma once

#include <QByteArray>

#include "jukebox/playback/media_graph.h"
#include "jukebox/playback/stream_clock.h"

typedef struct _GstElement GstElement;

// The position and duration of the file cued in a playbin, with what the pipeline
// cannot say filled in:
// - At the end of the stream the position is held at max(position, duration) until
//   the next seek, stop or file, so that callers see both equal.
// - The duration of a local MPEG audio file is counted from its frames when it is
//   cued: for a VBR file without a Xing header the pipeline's figure is a guess
//   from the bit rate of the frames read so far, and changes from open to open.
// - Without any figure from the pipeline the duration is estimated from the size
//   and the bit rate.
// - A file for which the pipeline answers no position at all (a WAV file whose odd
//   data size ends in a pad byte) gets a clock of our own; it sees the end of the
//   stream when it reaches the duration.
class GstStreamTime {
public:
    explicit GstStreamTime(StreamClock::Now now = std::chrono::steady_clock::now);

    // A file was cued in pipeline (not owned); localFile holds its path bytes,
    // empty for an address.
    void cued(GstElement* pipeline, const QByteArray& localFile);
    // There is no file (any more).
    void forget();

    bool position(GraphTime& position);
    bool duration(GraphTime& duration);
    // The pipeline posted the end of the stream.
    void endOfStream();

    // The transport, for the own clock.
    void started(double rate);
    void paused();
    // A seek landed at position (or was taken by the own clock): the end is no
    // longer latched.
    void moved(GraphTime position, double rate);

    // Whether the end is latched: the stream ended (or the own clock reached the
    // duration when the position was last read).
    bool atEnd() const { return endLatched_; }

    // Whether the own clock gives the position of the current file.
    bool ownClock() const { return ownClock_; }

private:
    bool pipelinePosition(GraphTime& position) const;
    bool pipelineDuration(GraphTime& duration) const;
    bool estimateDuration(GraphTime& duration) const;
    // The own clock, held at the duration when it is known.
    GraphTime ownPosition();
    void latchEnd(GraphTime end);

    GstElement* pipeline_ = nullptr;
    GraphTime counted_ = -1;  // the frames' duration of an MPEG audio file
    bool ownClock_ = false;
    StreamClock clock_;
    bool endLatched_ = false;
    GraphTime endPosition_ = 0;
};
