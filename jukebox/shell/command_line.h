#pragma once

#include <QString>

// What the jukebox takes from its command line.
struct CommandLine {
    QString file;            // absolute, or empty when none was named
    bool minimized = false;  // "--minimized": start minimized
};

// The file is the first argument after the program's name that does not begin
// with "-"; "/" does not mark an option here, since every absolute path begins
// with it. A relative file is made absolute against currentFolder. Arguments are
// taken as bytes, so any file name comes through unchanged.
CommandLine ParseCommandLine(int argc, const char* const* argv, const QString& currentFolder);

// The current folder, byte for byte.
QString CurrentFolder();
