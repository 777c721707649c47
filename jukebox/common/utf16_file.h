#pragma once

#include <QString>
#include <QStringList>
#include <functional>

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

// The lines of such a file, as ReadLines gives them from ReadUtf16File's text,
// read a block at a time: the text is never held whole, and between() (when
// given) is called after every block, so that a long list can serve events
// meanwhile. lines is empty unless the result is Ok.
Utf16FileStatus ReadUtf16Lines(const QString& path, QStringList& lines,
                               const std::function<void()>& between = {},
                               qsizetype blockBytes = 262144);

// Writes the mark and each line followed by CR LF, with SaveFileWhole;
// between() (when given) is called after every block written, so that a long
// list can serve events meanwhile.
bool WriteUtf16Lines(const QString& path, const QStringList& lines,
                     const std::function<void()>& between = {});

// UTF-16LE bytes made a text at a time and handed to put in blocks, so that a
// file of 100,000 lines is written without a copy of it all in memory.
class Utf16BlockWriter {
public:
    static constexpr qsizetype kBlockBytes = 65536;

    explicit Utf16BlockWriter(const ByteSink& put, std::function<void()> between = {});
    // replaceLineBreaks: CR and LF become U+FFFD, so that text cannot split a line.
    void add(QStringView text, bool replaceLineBreaks = false);
    // Hands on what is left; false when put failed at any block.
    bool finish();

private:
    void flush();

    const ByteSink& put_;
    std::function<void()> between_;
    QByteArray block_;
    qsizetype used_ = 0;
    bool ok_ = true;
};
