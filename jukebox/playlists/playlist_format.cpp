#include "jukebox/playlists/playlist_format.h"

PlaylistFormat PlaylistFormatOf(const QString& path) {
    // Only the name counts: a folder called "x.pls" does not make its files one.
    const QString name = path.mid(path.lastIndexOf(u'/') + 1);
    if (name.endsWith(QStringLiteral(".m3u8"), Qt::CaseInsensitive)) {
        return PlaylistFormat::M3u8;
    }
    if (name.endsWith(QStringLiteral(".m3u"), Qt::CaseInsensitive)) {
        return PlaylistFormat::M3u;
    }
    if (name.endsWith(QStringLiteral(".pls"), Qt::CaseInsensitive)) {
        return PlaylistFormat::Pls;
    }
    return PlaylistFormat::None;
}
