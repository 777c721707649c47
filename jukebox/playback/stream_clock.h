#pragma once

#include <chrono>
#include <functional>

#include "jukebox/playback/media_graph.h"

// A clock of our own for the position of a stream whose pipeline cannot say where
// it is: it runs at the playback rate while the stream plays, stands still while
// it does not, and is set by seeks.
class StreamClock {
public:
    using Now = std::function<std::chrono::steady_clock::time_point()>;

    explicit StreamClock(Now now = std::chrono::steady_clock::now);

    // Stands still at position.
    void reset(GraphTime position = 0);
    // Runs on from where it stands (or, running, from where it is) at rate.
    void start(double rate);
    void stop();
    bool running() const { return running_; }
    GraphTime position() const;

private:
    Now now_;
    GraphTime origin_ = 0;  // the position when the clock last started or stopped
    std::chrono::steady_clock::time_point since_;
    double rate_ = 1.0;
    bool running_ = false;
};
