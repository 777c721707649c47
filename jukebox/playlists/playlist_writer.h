#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "jukebox/playlists/playlist_entry_resolver.h"
#include "jukebox/playlists/playlist_item.h"

// Writes a list of paths as a playlist other players read: M3U8 (UTF-8, LF) or
// PLS. Entries that lie under the playlist's folder are written relative to it,
// so a playlist moved or copied together with its music still finds it; so are
// entries elsewhere (as "../...") when the file is there or a playlist brought
// them relative; others are written absolute. An entry a playlist brought is
// written as that playlist wrote it (relative, absolute or as a file URL) when
// saved to the same folder, with its #EXTINF line. A path whose bytes are not UTF-8 (or that holds
// a line break) cannot be written as UTF-8 text and is written as a file URL with its bytes
// percent-encoded, and so is a PLS entry that begins or ends in a blank (PLS
// values are read trimmed). Addresses are written as they are.
class PlaylistWriter {
public:
    explicit PlaylistWriter(const QString& playlistPath);

    QByteArray m3u8(const std::vector<PlaylistItem>& items) const;
    QByteArray pls(const std::vector<PlaylistItem>& items) const;
    // How one path is written.
    QString entryText(const QString& path) const;
    QString entryText(const PlaylistItem& item, bool pls) const;

    // Writes items to playlistPath whole or not at all: PLS for a .pls name, M3U8
    // for any other.
    static bool Save(const QString& playlistPath, const std::vector<PlaylistItem>& items);

private:
    QString relativeText(const QString& absolute) const;
    QString upwardText(const QString& absolute) const;
    QString writtenText(const PlaylistItem& item, const QString& absolute) const;

    PlaylistEntryResolver resolver_;
    QString folder_;
};
