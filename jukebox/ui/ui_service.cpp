#include "jukebox/ui/ui_service.h"

void UiService::dispatchEventsIfDue() {
    if (!sinceDispatch_.isValid() || sinceDispatch_.elapsed() >= dispatchIntervalMs_) {
        dispatchEvents();
        sinceDispatch_.start();
    }
}
