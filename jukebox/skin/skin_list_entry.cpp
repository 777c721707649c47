#include "jukebox/skin/skin_list_entry.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>

#include "jukebox/common/text_lines.h"
#include "jukebox/cover/regular_file.h"

namespace {

// Skins written on other systems use UTF-8 or an 8-bit code page; text that is
// not valid UTF-8 is read as Latin-1.
QString decodeHeaderText(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes.data(), bytes.size()) : text;
}

QString lineAfter(const QStringList& lines, QStringView marker) {
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].compare(marker, Qt::CaseInsensitive) == 0) {
            return lines[i + 1];
        }
    }
    return {};
}

}  // namespace

bool ReadSkinHeader(const QString& specPath, SkinListEntry& entry) {
    QFile file;
    if (!OpenRegularFile(specPath, file)) {
        return false;
    }
    // One byte more tells whether the last line read may be cut.
    ReadSkinHeaderText(file.read(std::min(file.size(), kSkinHeaderBytes) + 1), entry);
    return true;
}

void ReadSkinHeaderText(QByteArrayView start, SkinListEntry& entry) {
    if (start.size() > kSkinHeaderBytes) {
        start = start.first(kSkinHeaderBytes);
        // A line cut short could also cut a character in two.
        start = start.first(start.lastIndexOf('\n') + 1);
    }
    const QStringList lines = ReadLinePieces(decodeHeaderText(start));
    entry.name = lineAfter(lines, u"[Name]");
    entry.designer = lineAfter(lines, u"[Designer]");
    entry.version = lineAfter(lines, u"[Version]");
    entry.description.clear();
    qsizetype i = 0;
    while (i < lines.size() && lines[i].compare(u"[Desc]", Qt::CaseInsensitive) != 0) {
        ++i;
    }
    for (++i; i < lines.size() && lines[i].compare(u"[Controls]", Qt::CaseInsensitive) != 0; ++i) {
        entry.description += lines[i] + u'\n';
    }
}
