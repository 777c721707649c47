#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The bytes of a playlist file and its lines. Playlists come from anywhere, so
// the reading is bounded: a file past the limit is refused before it is read.

enum class PlaylistBytesRead { Ok, CannotOpen, TooLarge };

PlaylistBytesRead ReadPlaylistBytes(const QString& path, qint64 maxBytes, QByteArray& bytes);

// The text as UTF-8 or local bytes: a UTF-8 byte-order mark is dropped, and text
// in UTF-16 (with its mark, as some Windows tools write) is turned into UTF-8.
QByteArray PlaylistText(const QByteArray& bytes);

// The line that starts at pos, without its end (CR LF, LF or CR); pos moves past
// the end. False when no line is left.
bool NextPlaylistLine(const QByteArray& text, qsizetype& pos, QByteArrayView& line);

// The line without the spaces and tabs at either end.
QByteArrayView TrimmedPlaylistLine(QByteArrayView line);
