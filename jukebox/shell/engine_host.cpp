#include "jukebox/shell/engine_host.h"

#include <QEvent>

#include "jukebox/playback/media_engine.h"
#include "jukebox/playback/media_graph.h"

void EngineHost::durationChanged(int durationMs) {
    if (durationListener_) {
        durationListener_(durationMs);
    }
}

void EngineHost::refreshFilters() {
    if (filtersListener_) {
        filtersListener_();
    }
}

bool EngineHost::event(QEvent* event) {
    if (event->type() == kGraphEventType) {
        if (engine_ != nullptr) {
            engine_->OnGraphEvent();
        }
        return true;
    }
    return QObject::event(event);
}
