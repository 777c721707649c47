#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include "jukebox/cover/bmp_reader.h"
#include "jukebox/skin/skin_description.h"

class UiService;

// Reads the control lines of a skin's spec.txt into a skin description. Text is
// given, not a file, so that anything can feed it.
//
// Lines (at most 1023 characters; longer ones go on as the next line) are
// numbered from 1, every line counting. Lines starting with "#" or shorter than
// 4 characters are skipped. "[MAIN]" and "[ALT]" choose the view; lines before
// the first of them are ignored, as are unknown keywords. A known keyword sets
// its entry's fields from the tokens that follow it. A bad letter, or a token
// count other than the keyword takes, is reported once for the line as
// "spec.txt parse error at line N", and whatever the line did set stays.
// Positions and sizes (x, y, w, h) are kept within kMaxPosition either way, the
// limit of the bitmaps themselves, so that no control's rectangle overflows.
class SpecParser {
public:
    static constexpr int kMaxLineLength = 1023;
    static constexpr int kMaxTokens = 13;
    static constexpr int kMaxTokenLength = 63;
    static constexpr int kMaxPosition = BmpReader::kMaxDimension;
    // A spec.txt is a few kilobytes; a larger one than this is taken for garbled.
    static constexpr qint64 kMaxFileSize = 1024 * 1024;

    explicit SpecParser(UiService& ui) : ui_(ui) {}

    void parse(QByteArrayView text, SkinDescription& skin);

    // The tokens of a line: split at spaces and tabs, at most kMaxTokens of at most
    // kMaxTokenLength characters each (a longer token is cut; later text is
    // ignored).
    static QStringList splitTokens(const QString& line);
    // A decimal integer the lenient way: an optional sign, then digits up to the
    // first other character; no digits gives 0. Values beyond int are clamped.
    static int readNumber(const QString& token);
    // Six hexadecimal digits RRGGBB; any other character (or a missing one) is 0.
    static QRgb readColour(const QString& token);

private:
    bool applyLine(SkinEntry& entry, SkinKeyword keyword, const QStringList& tokens);

    UiService& ui_;
};
