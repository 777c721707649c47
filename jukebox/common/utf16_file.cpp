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

bool WriteUtf16Lines(const QString& path, const QStringList& lines) {
    QString text(1, QChar(kByteOrderMark));
    for (const QString& line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    QByteArray bytes(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    if constexpr (QSysInfo::ByteOrder == QSysInfo::BigEndian) {
        for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
            std::swap(bytes[i], bytes[i + 1]);
        }
    }
    return SaveFileWhole(path, bytes);
}
