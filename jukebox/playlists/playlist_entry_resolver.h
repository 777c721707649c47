#pragma once

#include <QString>

// Turns one entry of a playlist, as written, into the path or address the
// tracklist holds: file URLs become local paths byte for byte, other addresses
// stay as they are, relative paths are taken from the playlist's folder (with the
// "\" of playlists written on Windows), absolute paths stay as they are.
class PlaylistEntryResolver {
public:
    enum class Kind {
        Relative,
        Absolute,  // begins with "/"
        FileUrl,   // "file:" in any case
        Address,   // any other "scheme://"
        Foreign,   // a Windows drive or network path ("C:\...", "\\server\..."): no
                   // place here to take it from, so it is kept as written
    };

    PlaylistEntryResolver() = default;
    explicit PlaylistEntryResolver(const QString& playlistPath);

    // The path or address; empty for an entry that names nothing (a bare "file://").
    QString resolve(const QString& entry) const;

    // The playlist's folder, absolute and clean, without a trailing "/" (except "/").
    const QString& folder() const { return folder_; }

    static Kind KindOf(const QString& entry);
    // path made absolute from the current folder, byte for byte.
    static QString Absolute(const QString& path);

private:
    QString fromFileUrl(const QString& entry) const;
    QString fromRelative(const QString& entry) const;
    QString joined(const QString& relative) const;

    QString folder_;
};
