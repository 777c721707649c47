#pragma once

#include "jukebox/options/extension_lists.h"
#include "jukebox/playback/gst_media_graph.h"
#include "jukebox/playback/media_engine.h"
#include "tests/jukebox/playback/recording_engine_window.h"
#include "tests/support/recording_ui_service.h"

// The media engine on a real GStreamer graph, with a recording window and UI
// service and the extension lists the test media need.
struct GstEngineRig {
    GstEngineRig() { window.setEngine(&engine); }
    ~GstEngineRig() { engine.ReleaseGraph(); }
    GstEngineRig(const GstEngineRig&) = delete;
    GstEngineRig& operator=(const GstEngineRig&) = delete;

    GstMediaGraph graph;
    RecordingEngineWindow window;
    RecordingUiService ui;
    ExtensionLists lists{ui,
                         {QStringLiteral("mp3"), QStringLiteral("wav"), QStringLiteral("ogg"),
                          QStringLiteral("flac")},
                         {QStringLiteral("webm"), QStringLiteral("mp4")}};
    MediaEngine engine{graph, window, ui, [this](const QString& extension) {
                           return lists.ClassifyExtension(extension);
                       }};
};
