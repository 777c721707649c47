#include "tests/jukebox/video_window/video_media.h"

#include <gst/gst.h>

#include <string>

#include "tests/jukebox/playback/test_media.h"
#include "tests/support/temp_dir.h"

const VideoMedia& videoMedia() {
    static TempDir dir;
    static const VideoMedia media = [] {
        gst_init(nullptr, nullptr);
        VideoMedia made;
        // Four seconds: long enough to be playing while a test looks at it.
        made.video = encodeMedia(
            dir / "green.webm",
            "videotestsrc pattern=solid-color foreground-color=" +
                std::to_string(VideoMedia::kColour) +
                " num-buffers=60 ! video/x-raw,width=" + std::to_string(VideoMedia::kWidth) +
                ",height=" + std::to_string(VideoMedia::kHeight) +
                ",framerate=15/1 ! vp8enc deadline=1 ! webmmux");
        made.wide = encodeMedia(
            dir / "wide.webm",
            "videotestsrc pattern=solid-color foreground-color=" +
                std::to_string(VideoMedia::kColour) +
                " num-buffers=20 ! video/x-raw,width=" + std::to_string(VideoMedia::kWideWidth) +
                ",height=" + std::to_string(VideoMedia::kWideHeight) +
                ",framerate=15/1 ! vp8enc deadline=1 ! webmmux");
        made.tall = encodeMedia(
            dir / "tall.webm",
            "videotestsrc pattern=solid-color foreground-color=" +
                std::to_string(VideoMedia::kColour) +
                " num-buffers=10 ! video/x-raw,width=" + std::to_string(VideoMedia::kTallWidth) +
                ",height=" + std::to_string(VideoMedia::kTallHeight) +
                ",framerate=15/1 ! vp8enc deadline=1 ! webmmux");
        made.sound =
            encodeMedia(dir / "tone.wav",
                        "audiotestsrc num-buffers=20 ! audio/x-raw,rate=44100,channels=2 ! "
                        "wavenc");
        return made;
    }();
    return media;
}
