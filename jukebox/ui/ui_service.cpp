#include "jukebox/ui/ui_service.h"

void UiService::dispatchEventsIfDue() {
    if (!sinceDispatch_.isValid() || sinceDispatch_.elapsed() >= dispatchIntervalMs_) {
        dispatchEvents();
        sinceDispatch_.start();
    }
}

QString UiService::openOrNewFileName(const QString& caption, const QString& folder,
                                     const QString& filter, const QString& /*defaultSuffix*/) {
    const QStringList names = openFileNames(caption, folder, filter);
    return names.isEmpty() ? QString() : names.constFirst();
}

UiService::Answer UiService::askYesNoCancel(const QString&) {
    return Answer::Cancel;
}
