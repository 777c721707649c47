#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// Opening the files that skins and pictures are read from. Only regular files
// are opened: a pipe or device under a skin's or a picture's name would block
// the reader for ever, or feed it without end. Paths are turned into their
// bytes without loss, so names that are not UTF-8 open too.

// A descriptor open for reading (close-on-exec), or -1 when the path cannot be
// opened or is not a regular file. size, when given, receives the file's size.
int OpenRegularFileDescriptor(const QString& path, qint64* size = nullptr);
// The same, as a QFile that owns the descriptor; false leaves file closed.
bool OpenRegularFile(const QString& path, QFile& file);
// The whole file when it holds at most maxBytes; false when it cannot be read
// or is larger.
bool ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes);
