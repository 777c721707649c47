#pragma once

#include <QString>

// What a playlist file keeps of one entry: its path, and for other players the
// title to show and the length in seconds (-1 when not known).
struct PlaylistItem {
    QString path;
    QString title;
    int seconds = -1;
};
