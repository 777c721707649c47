#include "jukebox/ui/ui_service.h"

void UiService::dispatchEventsIfDue() {
    if (!sinceDispatch_.isValid() || sinceDispatch_.elapsed() >= kDispatchIntervalMs) {
        dispatchEvents();
        sinceDispatch_.start();
    }
}
