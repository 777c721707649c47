#pragma once

#include <QString>

// The files a fuzzed tracklist can name: tagged and untagged MP3s, a video, a
// stream, other files, nested folders, a link back up the tree and a dangling
// link, and a dictionary. They live at one fixed place under the temporary
// folder, so that the seeds and the dictionary of the tracklist fuzzer can name
// them by absolute path.
class TracklistFixture {
public:
    static QString root();
    // Makes the tree when it is not there yet; safe when several fuzzers start
    // at once. False when it could not be made.
    static bool ensure();
    // Paths below the root a tracklist may name, one of each kind.
    static QStringList samplePaths();
};
