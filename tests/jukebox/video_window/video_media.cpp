#include "tests/jukebox/video_window/video_media.h"

#include <gst/gst.h>

#include <string>

#include "tests/support/temp_dir.h"

namespace {

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
    const bool ok = message != nullptr && GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
    if (message != nullptr) {
        gst_message_unref(message);
    }
    gst_object_unref(bus);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
    return ok;
}

QString make(const std::filesystem::path& path, const std::string& chain) {
    const std::string description = chain + " ! filesink location=\"" + path.string() + "\"";
    return runPipeline(description) ? QString::fromStdString(path.string()) : QString();
}

}  // namespace

const VideoMedia& videoMedia() {
    static TempDir dir;
    static const VideoMedia media = [] {
        gst_init(nullptr, nullptr);
        VideoMedia made;
        // Four seconds: long enough to be playing while a test looks at it.
        made.video = make(dir / "green.webm", "videotestsrc pattern=solid-color foreground-color=" +
                                                  std::to_string(VideoMedia::kColour) +
                                                  " num-buffers=60 ! video/x-raw,width=" +
                                                  std::to_string(VideoMedia::kWidth) +
                                                  ",height=" + std::to_string(VideoMedia::kHeight) +
                                                  ",framerate=15/1 ! vp8enc deadline=1 ! webmmux");
        made.sound = make(dir / "tone.wav",
                          "audiotestsrc num-buffers=20 ! audio/x-raw,rate=44100,channels=2 ! "
                          "wavenc");
        return made;
    }();
    return media;
}
