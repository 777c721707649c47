#include "tests/jukebox/video_window/video_media.h"

#include <gst/gst.h>

#include <string>

#include "tests/jukebox/playback/test_media.h"
#include "tests/support/temp_dir.h"

namespace {

// A webm of frames frames at 15 per second, all of kColour.
QString solidVideo(TempDir& dir, const char* name, int width, int height, int frames) {
    return encodeMedia(
        dir / name,
        "videotestsrc pattern=solid-color foreground-color=" + std::to_string(VideoMedia::kColour) +
            " num-buffers=" + std::to_string(frames) +
            " ! video/x-raw,width=" + std::to_string(width) + ",height=" + std::to_string(height) +
            ",framerate=15/1 ! vp8enc deadline=1 ! webmmux");
}

}  // namespace

const VideoMedia& videoMedia() {
    static TempDir dir;
    static const VideoMedia media = [] {
        gst_init(nullptr, nullptr);
        VideoMedia made;
        // Four seconds: long enough to be playing while a test looks at it.
        made.video = solidVideo(dir, "green.webm", VideoMedia::kWidth, VideoMedia::kHeight, 60);
        made.wide =
            solidVideo(dir, "wide.webm", VideoMedia::kWideWidth, VideoMedia::kWideHeight, 20);
        made.tall =
            solidVideo(dir, "tall.webm", VideoMedia::kTallWidth, VideoMedia::kTallHeight, 10);
        made.sound =
            encodeMedia(dir / "tone.wav",
                        "audiotestsrc num-buffers=20 ! audio/x-raw,rate=44100,channels=2 ! "
                        "wavenc");
        return made;
    }();
    return media;
}
