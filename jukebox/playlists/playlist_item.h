#pragma once

#include <QByteArray>
#include <QString>

// What a playlist file keeps of one entry: its path, and for other players the
// title to show and the length in seconds (-1 when not known).
struct PlaylistItem {
    QString path;
    QString title;
    int seconds = -1;
    // What the playlist that brought the entry said of it, so that saving it again
    // writes it the same way. All empty for entries from elsewhere.
    // The entry's text as written (a relative path stays relative when saved to
    // the same folder), and the folder that text is relative to.
    QString written;
    QString writtenFolder;
    // The title and length came from the playlist (#EXTINF, or PLS TitleN and
    // LengthN), not from the file.
    bool infoGiven = false;
    // The #EXTINF line as it stood (attributes and all), written back to M3U8.
    QByteArray infoLine;
};
