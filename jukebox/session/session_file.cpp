#include "jukebox/session/session_file.h"

#include <algorithm>
#include <cstring>

#include "jukebox/common/utf16_file.h"
#include "jukebox/common/whole_file.h"

namespace {

constexpr char16_t kByteOrderMark = 0xFEFF;
const QString kLineEnd = QStringLiteral("\r\n");
const QString kMagic = QStringLiteral(";Velorine session 1");
const QString kList = QStringLiteral(";list=");
const QString kModified = QStringLiteral(";modified=");
const QString kCurrent = QStringLiteral(";current=");
const QString kPosition = QStringLiteral(";position=");
const QString kEntries = QStringLiteral(";entries=");

// The list file's name may hold anything a file name can, line breaks too.
QString escaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == u'\\') {
            out += QStringLiteral("\\\\");
        } else if (c == u'\r') {
            out += QStringLiteral("\\r");
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else {
            out += c;
        }
    }
    return out;
}

bool unescaped(QStringView text, QString& out) {
    out.clear();
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) {
            return false;
        }
        switch (text[i].unicode()) {
            case u'\\':
                out += u'\\';
                break;
            case u'r':
                out += u'\r';
                break;
            case u'n':
                out += u'\n';
                break;
            default:
                return false;
        }
    }
    return true;
}

// Reads the text line by line, each ended by CR LF.
class LineReader {
public:
    explicit LineReader(const QString& text) : text_(text) {}

    bool next(QStringView& line) {
        const qsizetype end = text_.indexOf(kLineEnd, pos_);
        if (end < 0) {
            return false;
        }
        line = QStringView(text_).mid(pos_, end - pos_);
        pos_ = end + kLineEnd.size();
        return true;
    }
    bool atEnd() const { return pos_ == text_.size(); }

    // The rest of the next line after prefix, or false when it does not start so.
    bool field(const QString& prefix, QStringView& value) {
        QStringView line;
        if (!next(line) || !line.startsWith(prefix)) {
            return false;
        }
        value = line.mid(prefix.size());
        return true;
    }
    bool number(const QString& prefix, int least, int& value) {
        QStringView text;
        bool ok = false;
        if (!field(prefix, text)) {
            return false;
        }
        value = text.toInt(&ok);
        return ok && value >= least;
    }

private:
    const QString& text_;
    qsizetype pos_ = 0;
};

bool parse(const QString& text, SessionState& state) {
    LineReader reader(text);
    QStringView line;
    if (!reader.next(line) || line != kMagic || !reader.field(kList, line) ||
        !unescaped(line, state.listPath)) {
        return false;
    }
    int modified = 0;
    int count = 0;
    if (!reader.number(kModified, 0, modified) || modified > 1 ||
        !reader.number(kCurrent, -1, state.currentIndex) ||
        !reader.number(kPosition, 0, state.positionMs) || !reader.number(kEntries, 0, count)) {
        return false;
    }
    state.modified = modified == 1;
    // A damaged count must not make the reserve absurd: every path takes a line.
    state.paths.reserve(std::min<qsizetype>(count, text.size() / kLineEnd.size()));
    for (int i = 0; i < count; ++i) {
        if (!reader.next(line)) {
            return false;
        }
        state.paths.append(line.toString());
    }
    return reader.atEnd();
}

}  // namespace

bool WriteSessionFile(const QString& file, const SessionState& state,
                      const std::function<bool()>& between) {
    return WriteSessionFile(
        file, state,
        [&state](const std::function<bool(const QString&)>& take) {
            for (const QString& path : state.paths) {
                if (!take(path)) {
                    return;
                }
            }
        },
        between);
}

bool WriteSessionFile(const QString& file, const SessionState& state, const SessionPaths& eachPath,
                      const std::function<bool()>& between) {
    qsizetype count = 0;
    qint64 units = 0;
    eachPath([&](const QString& path) {
        ++count;
        units += path.size() + kLineEnd.size();
        return true;
    });
    QString head(1, QChar(kByteOrderMark));
    head += kMagic + kLineEnd;
    head += kList + escaped(state.listPath) + kLineEnd;
    head += kModified + QString::number(state.modified ? 1 : 0) + kLineEnd;
    head += kCurrent + QString::number(std::max(state.currentIndex, -1)) + kLineEnd;
    head += kPosition + QString::number(std::max(state.positionMs, 0)) + kLineEnd;
    head += kEntries + QString::number(count) + kLineEnd;
    units += head.size();
    // Written in blocks: a list of 100,000 paths is written at every change,
    // and a copy of it all would add its size to the jukebox's memory.
    // Only the blocks are made with events served: the switch to the new file
    // comes after the last call of between(), so a write that gave way never
    // replaces what was written meanwhile.
    bool goOn = true;
    return SaveFileWhole(file, units * 2, [&](const ByteSink& put) {
        Utf16BlockWriter out(put, [&] { goOn = goOn && (!between || between()); });
        out.add(head);
        eachPath([&](const QString& path) {
            // The list never takes a path with a line break (it would come back
            // as two); should one be there all the same, it must not split the file.
            out.add(path, true);
            out.add(kLineEnd);
            return goOn;
        });
        return out.finish() && goOn;
    });
}

SessionRead ReadSessionFile(const QString& file, SessionState& state) {
    state = SessionState();
    QString text;
    switch (ReadUtf16File(file, text)) {
        case Utf16FileStatus::Ok:
            break;
        case Utf16FileStatus::CannotOpen:
            return SessionRead::Missing;
        case Utf16FileStatus::Empty:
        case Utf16FileStatus::NotUnicode:
            return SessionRead::Damaged;
    }
    if (!parse(text, state)) {
        state = SessionState();
        return SessionRead::Damaged;
    }
    return SessionRead::Ok;
}
