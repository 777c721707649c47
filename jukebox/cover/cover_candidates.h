#pragma once

#include <QStringList>

// The album cover of a track is a picture in the track's folder named
// "cover.bmp", "cover.jpg" or "cover.png", tried in that order. Collections
// tagged on Windows spell them in any case ("Cover.JPG"), so the names are
// matched without regard to ASCII case; where two files differ only in case,
// the one spelled exactly as above comes first.
//
// Returns the paths of the files present, in the order to try them: every
// match of "cover.bmp", then of "cover.jpg", then of "cover.png". The folder is
// the track path up to its last "/" or "\" (the current folder when there is
// none). A folder that cannot be listed gives none.
QStringList CoverCandidates(const QString& trackPath);
