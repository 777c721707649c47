#include "jukebox/filters_dialog/filter_list.h"

#include "jukebox/playback/media_engine.h"

QStringList FilterList::Items(MediaEngine& engine) {
    QStringList names;
    if (!engine.EnumFilters(names)) {
        return {ErrorItem()};
    }
    for (QString& name : names) {
        name.truncate(kMaxNameLength);
    }
    return names;
}
