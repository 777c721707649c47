#pragma once

#include <QString>
#include <QStringList>

// What the jukebox takes from its command line.
struct CommandLine {
    QString file;            // absolute or an address, or empty when none was named
    QStringList files;       // every file named, absolute or an address, in order
    bool minimized = false;  // "--minimized": start minimized
};

// The files are the arguments after the program's name that do not begin with
// "-" (a file manager's "Open with" names several); the file is the first. "/"
// does not mark an option here, since every absolute path begins with it. A
// relative file is made absolute against currentFolder. An address (http://,
// https:// or any other "scheme://") is kept as it is, and a file:// URL becomes
// its local path. Arguments are taken as bytes, so any file name comes through
// unchanged.
CommandLine ParseCommandLine(int argc, const char* const* argv, const QString& currentFolder);

// The current folder, byte for byte.
QString CurrentFolder();
