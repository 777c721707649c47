#include "jukebox/common/utf16_file.h"

#include <cstring>

namespace {
constexpr char16_t kByteOrderMark = 0xFEFF;
}

Utf16FileStatus ReadUtf16File(const QString& path, QString& text) {
    text.clear();
    QByteArray bytes;
    if (ReadFileWhole(path, bytes) != WholeFileRead::Ok) {
        return Utf16FileStatus::CannotOpen;
    }
    if (bytes.isEmpty()) {
        return Utf16FileStatus::Empty;
    }
    if (bytes.size() < 2 || static_cast<uint8_t>(bytes[0]) != 0xFF ||
        static_cast<uint8_t>(bytes[1]) != 0xFE) {
        return Utf16FileStatus::NotUnicode;
    }
    // A trailing odd byte cannot be a unit and is dropped.
    qsizetype units = (bytes.size() - 2) / 2;
    text.resize(units);
    std::memcpy(text.data(), bytes.constData() + 2, static_cast<size_t>(units) * 2);
    if constexpr (QSysInfo::ByteOrder == QSysInfo::BigEndian) {
        for (QChar& c : text) {
            c = QChar(static_cast<char16_t>((c.unicode() >> 8) | (c.unicode() << 8)));
        }
    }
    return Utf16FileStatus::Ok;
}

bool WriteUtf16Lines(const QString& path, const QStringList& lines,
                     const std::function<void()>& between) {
    qint64 units = 1;
    for (const QString& line : lines) {
        units += line.size() + 2;
    }
    return SaveFileWhole(path, units * 2, [&lines, &between](const ByteSink& put) {
        Utf16BlockWriter out(put, between);
        const char16_t mark = kByteOrderMark;
        out.add(QStringView(&mark, 1));
        for (const QString& line : lines) {
            out.add(line);
            out.add(u"\r\n");
        }
        return out.finish();
    });
}

Utf16BlockWriter::Utf16BlockWriter(const ByteSink& put, std::function<void()> between)
    : put_(put), between_(std::move(between)), block_(kBlockBytes, Qt::Uninitialized) {}

void Utf16BlockWriter::add(QStringView text, bool replaceLineBreaks) {
    for (QChar c : text) {
        char16_t unit = c.unicode();
        if (replaceLineBreaks && (unit == u'\r' || unit == u'\n')) {
            unit = QChar::ReplacementCharacter;
        }
        if (used_ + 2 > kBlockBytes) {
            flush();
        }
        block_[used_++] = static_cast<char>(unit & 0xFF);
        block_[used_++] = static_cast<char>(unit >> 8);
    }
}

void Utf16BlockWriter::flush() {
    if (used_ > 0) {
        ok_ = ok_ && put_(QByteArrayView(block_.constData(), used_));
        used_ = 0;
        if (between_) {
            between_();
        }
    }
}

bool Utf16BlockWriter::finish() {
    flush();
    return ok_;
}
