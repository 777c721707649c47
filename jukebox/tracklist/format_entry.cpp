#include "jukebox/tracklist/format_entry.h"

namespace {
const QString* fieldForCode(QChar code, const TrackEntry& entry) {
    switch (code.toLatin1()) {
        case 'a':
        case 'A':
            return &entry.artist;
        case 'n':
        case 'N':
            return &entry.name;
        case 'g':
        case 'G':
            return &entry.genre;
        case 'd':
        case 'D':
            return &entry.date;
        case 's':
        case 'S':
            return &entry.source;
        case 'c':
        case 'C':
            return &entry.comment;
        default:
            return nullptr;
    }
}
}  // namespace

QString FormatEntry(const QString& format, const TrackEntry& entry) {
    QString out;
    out.reserve(format.size() + 32);
    for (qsizetype i = 0; i < format.size(); ++i) {
        QChar ch = format[i];
        if (ch != u'%') {
            out += ch;
            continue;
        }
        if (i + 1 == format.size()) {
            out += ch;
            break;
        }
        QChar code = format[++i];
        // toLatin1 gives 0 for characters above U+00FF, so those never name a field.
        if (const QString* field = code.unicode() < 0x100 ? fieldForCode(code, entry) : nullptr) {
            out += *field;
        } else {
            out += code;
        }
    }
    return out;
}
