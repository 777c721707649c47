#include "jukebox/common/utf16_file.h"

#include <QtEndian>

#include <algorithm>
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

namespace {

// Splits text handed over in pieces into lines as ReadLines does with the whole
// of it: at line feeds, each line then cut at its last carriage return; a text
// with no line feed at all is split at every carriage return instead.
class LineSplitter {
public:
    explicit LineSplitter(QStringList& lines) : lines_(lines) {}

    void add(QStringView units) {
        for (;;) {
            const qsizetype feed = units.indexOf(u'\n');
            if (feed < 0) {
                pending_.append(units);
                return;
            }
            sawLineFeed_ = true;
            if (pending_.isEmpty()) {
                take(units.first(feed));
            } else {
                pending_.append(units.first(feed));
                take(pending_);
                pending_.clear();
            }
            units = units.sliced(feed + 1);
        }
    }

    void finish() {
        if (sawLineFeed_) {
            if (!pending_.isEmpty()) {
                take(pending_);
            }
        } else {
            QStringView rest(pending_);
            while (!rest.isEmpty()) {
                const qsizetype stop = rest.indexOf(u'\r');
                lines_.append(rest.first(stop < 0 ? rest.size() : stop).toString());
                rest = stop < 0 ? QStringView() : rest.sliced(stop + 1);
            }
        }
        pending_.clear();
    }

private:
    void take(QStringView line) {
        const qsizetype cut = line.lastIndexOf(u'\r');
        lines_.append((cut >= 0 ? line.first(cut) : line).toString());
    }

    QStringList& lines_;
    QString pending_;  // the line under way, up to the end of the last piece
    bool sawLineFeed_ = false;
};

}  // namespace

Utf16FileStatus ReadUtf16Lines(const QString& path, QStringList& lines,
                               const std::function<void()>& between, qsizetype blockBytes) {
    lines.clear();
    LineSplitter splitter(lines);
    QByteArray start;  // the first two bytes, until the mark is checked
    bool marked = false;
    bool refused = false;
    char odd = 0;  // a byte whose unit goes on in the next block
    bool hasOdd = false;
    QString units;
    const WholeFileRead read = ReadFileBlocks(path, blockBytes, [&](QByteArrayView bytes) {
        if (!marked) {
            const qsizetype need = std::min<qsizetype>(2 - start.size(), bytes.size());
            start.append(bytes.first(need));
            bytes = bytes.sliced(need);
            if (start.size() < 2) {
                return true;
            }
            if (static_cast<uint8_t>(start[0]) != 0xFF || static_cast<uint8_t>(start[1]) != 0xFE) {
                refused = true;
                return false;
            }
            marked = true;
        }
        const qsizetype count = (bytes.size() + (hasOdd ? 1 : 0)) / 2;
        units.resize(count);
        auto* out = reinterpret_cast<char16_t*>(units.data());
        qsizetype at = 0;
        if (hasOdd && count > 0) {
            out[0] = static_cast<char16_t>(static_cast<uint8_t>(odd) |
                                           (static_cast<uint8_t>(bytes[0]) << 8));
            bytes = bytes.sliced(1);
            hasOdd = false;
            at = 1;
        }
        qFromLittleEndian<char16_t>(bytes.constData(), count - at, out + at);
        if (bytes.size() % 2 != 0) {
            odd = bytes.back();
            hasOdd = true;
        }
        splitter.add(units);
        if (between) {
            between();
        }
        return true;
    });
    if (read != WholeFileRead::Ok) {
        lines.clear();
        return Utf16FileStatus::CannotOpen;
    }
    if (refused || (!marked && !start.isEmpty())) {
        lines.clear();
        return Utf16FileStatus::NotUnicode;
    }
    if (!marked) {
        return Utf16FileStatus::Empty;
    }
    splitter.finish();  // a trailing odd byte cannot be a unit and is dropped
    return Utf16FileStatus::Ok;
}

bool WriteUtf16Lines(const QString& path, const QStringList& lines,
                     const std::function<void()>& between) {
    qint64 units = 1;
    for (const QString& line : lines) {
        units += line.size() + 2;
    }
    return SaveFileWhole(
        path, units * 2,
        [&lines, &between](const ByteSink& put) {
            Utf16BlockWriter out(put, between);
            const char16_t mark = kByteOrderMark;
            out.add(QStringView(&mark, 1));
            for (const QString& line : lines) {
                out.add(line);
                out.add(u"\r\n");
            }
            return out.finish();
        },
        between);
}

Utf16BlockWriter::Utf16BlockWriter(const ByteSink& put, std::function<void()> between)
    : put_(put), between_(std::move(between)), block_(kBlockBytes, Qt::Uninitialized) {}

// A run of units at a time rather than unit by unit: a list of 100,000 paths
// is millions of units.
void Utf16BlockWriter::add(QStringView text, bool replaceLineBreaks) {
    while (!text.isEmpty()) {
        if (used_ + 2 > kBlockBytes) {
            flush();
        }
        const QStringView part = text.first(std::min((kBlockBytes - used_) / 2, text.size()));
        auto* out = reinterpret_cast<uchar*>(block_.data()) + used_;
        qToLittleEndian<char16_t>(part.utf16(), part.size(), out);
        if (replaceLineBreaks) {
            for (qsizetype i = 0; i < part.size(); ++i) {
                if (part[i] == u'\r' || part[i] == u'\n') {
                    qToLittleEndian<char16_t>(QChar::ReplacementCharacter, out + i * 2);
                }
            }
        }
        used_ += part.size() * 2;
        text = text.sliced(part.size());
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
