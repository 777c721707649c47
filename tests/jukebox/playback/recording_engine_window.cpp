#include "tests/jukebox/playback/recording_engine_window.h"

#include <QEvent>

#include "jukebox/playback/media_engine.h"

void RecordingEngineWindow::videoOutputBound(bool firstOpen) {
    calls.append(firstOpen ? QStringLiteral("videoOutputBound(first)")
                           : QStringLiteral("videoOutputBound"));
}

void RecordingEngineWindow::durationChanged(int durationMs) {
    calls.append(QStringLiteral("durationChanged(%1)").arg(durationMs));
}

void RecordingEngineWindow::openFinished(bool opened) {
    calls.append(opened ? QStringLiteral("openFinished(opened)")
                        : QStringLiteral("openFinished(failed)"));
}

void RecordingEngineWindow::setOutputDrawsItself(bool on) {
    outputDrawsItself = on;
    calls.append(on ? QStringLiteral("drawsItself") : QStringLiteral("paintsFrames"));
}

void RecordingEngineWindow::presentFrame(const QImage& frame) {
    ++frameCount;
    lastFrame = frame;
}

bool RecordingEngineWindow::event(QEvent* event) {
    if (event->type() == kGraphEventType) {
        ++graphNotices;
        if (engine_ != nullptr) {
            engine_->OnGraphEvent();
        }
        return true;
    }
    return QObject::event(event);
}
