#pragma once

#include <QString>

// Where the tracklist window's file dialogs open: in the folder of the current
// track's file, else in the folder the user last chose a file in, else in the
// home folder. A folder counts only when it exists and a file dialog can show
// its name: an absolute path whose bytes are UTF-8.
class DialogFolder {
public:
    QString StartFor(const QString& currentTrackPath) const;
    // A file chosen in one of the dialogs: its folder is the one last used.
    void Chose(const QString& path);

private:
    QString lastUsed_;
};
