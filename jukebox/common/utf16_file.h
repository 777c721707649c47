#pragma once

#include <QString>
#include <QStringList>

#include "jukebox/common/whole_file.h"

// The UTF-16 text files the jukebox writes itself (tracklists, the dictionary):
// little-endian, beginning with the byte-order mark, every line ended by CR LF.

enum class Utf16FileStatus {
    Ok,          // text holds everything after the mark
    Empty,       // a file of 0 bytes: an empty list
    CannotOpen,  // missing or unreadable
    NotUnicode,  // the first unit is not the mark (big-endian, UTF-8, ANSI, ...)
};

Utf16FileStatus ReadUtf16File(const QString& path, QString& text);

// Writes the mark and each line followed by CR LF, with SaveFileWhole.
bool WriteUtf16Lines(const QString& path, const QStringList& lines);
