#include "jukebox/filters_dialog/filter_list.h"

#include <QCoreApplication>

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

QString FilterList::VideoLine(MediaEngine& engine) {
    VideoStatistics statistics;
    if (!engine.GetVideoStatistics(statistics) || statistics.sink.isEmpty()) {
        return {};
    }
    return QCoreApplication::translate("CFilterDialog", "Video: %1 frames shown, %2 dropped (%3)")
        .arg(statistics.shown)
        .arg(statistics.dropped)
        .arg(statistics.sink);
}
