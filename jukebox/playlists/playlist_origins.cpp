#include "jukebox/playlists/playlist_origins.h"

void PlaylistOrigins::remember(const PlaylistItem& item) {
    if (!items_.contains(item.path)) {
        items_.insert(item.path, item);
    }
}

PlaylistItem PlaylistOrigins::itemFor(const QString& path, const QString& title,
                                      int seconds) const {
    PlaylistItem item = items_.value(path);
    item.path = path;
    if (!item.infoGiven) {
        item.title = title;
        item.seconds = seconds;
    } else if (item.title.isEmpty()) {
        item.title = title;  // a PLS length without a title
    }
    return item;
}
