#pragma once

#include <QHash>
#include <QString>

#include "jukebox/playlists/playlist_item.h"

// What the playlists the tracklist was loaded from said of its entries (how each
// was written, its #EXTINF length and title), by path, so that a save writes
// them back the same way. Tracklist files keep nothing of it.
class PlaylistOrigins {
public:
    void clear() { items_.clear(); }
    // Remembers what a playlist said of item.path; the first entry of a path wins.
    void remember(const PlaylistItem& item);
    // The item to write for path: what its playlist said of it, or else the given
    // title and length.
    PlaylistItem itemFor(const QString& path, const QString& title, int seconds) const;

private:
    QHash<QString, PlaylistItem> items_;
};
