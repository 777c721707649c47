#pragma once

#include <QString>

// The playlist formats of other players, told by the file name's extension in any
// case. Every other name is a tracklist.
enum class PlaylistFormat { None, M3u, M3u8, Pls };

PlaylistFormat PlaylistFormatOf(const QString& path);
inline bool IsPlaylistPath(const QString& path) {
    return PlaylistFormatOf(path) != PlaylistFormat::None;
}
