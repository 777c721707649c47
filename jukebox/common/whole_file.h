#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

// Whole-file reads and writes by path, byte for byte (the path's bytes come from
// LocalPathBytes, so names that are not UTF-8 work).

enum class WholeFileRead {
    Ok,
    CannotOpen,  // missing, unreadable, or not a regular file (a folder, a FIFO)
};

WholeFileRead ReadFileWhole(const QString& path, QByteArray& bytes);

// The same, a block of at most blockBytes at a time handed to take in order, so
// that a large file is never held whole in memory and its reader can pause
// between blocks. take returns false to stop reading (the result is still Ok).
using ByteBlockSink = std::function<bool(QByteArrayView)>;
WholeFileRead ReadFileBlocks(const QString& path, qsizetype blockBytes, const ByteBlockSink& take);

// True when path names a regular file (also through a symbolic link) or nothing
// at all. A reader that cannot open without blocking (QSettings, for one) asks
// first: a FIFO of that name would hold it up for ever.
bool IsRegularOrMissing(const QString& path);

// Keeps a copy of the file at path beside it, before a save replaces a file that
// could not be read: "<name>.bak", or "<name>.1.bak", "<name>.2.bak", ... when
// that is taken (an earlier copy is never overwritten). copyPath is the copy's
// path; empty, with true, when there is no file to keep. False when no copy could
// be made: then the file must not be replaced.
bool KeepCopyBeside(const QString& path, QString& copyPath);

// Writes bytes to path whole or not at all: they go to a new file beside it,
// which then takes the old one's place, so on failure the old file stays as it
// was. Where the folder allows no new file (its permissions or attributes refuse
// it) but the file itself may be written, the file is written in place instead:
// the room for the new bytes is claimed first, so that a full disk refuses the
// save before anything is overwritten; then it is written, cut to its length,
// flushed and checked. A symbolic link is followed, so the file it points to is
// replaced, not the link. The new file beside the old one is named
// ".velorine-<pid>-<random>.tmp" (leftovers.h).
bool SaveFileWhole(const QString& path, const QByteArray& bytes);

// The same for bytes made piece by piece, so that a large file is never held
// whole in memory: size is their total, and write(put) hands them to put in
// order. put returns false when writing failed; write returns false to give up
// (put's failure, or its own). Fewer or more bytes than size fail the save.
// between (when given) is called now and then while the bytes go to the disk,
// so that a long file can be saved with events served. inPlace false: a writer
// that reads the old file as it goes must not have it overwritten, so a folder
// that refuses new files fails the save.
using ByteSink = std::function<bool(QByteArrayView)>;
bool SaveFileWhole(const QString& path, qint64 size,
                   const std::function<bool(const ByteSink& put)>& write,
                   const std::function<void()>& between = {}, bool inPlace = true);
