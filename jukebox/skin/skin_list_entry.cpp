#include "jukebox/skin/skin_list_entry.h"

#include <QFile>
#include <QStringDecoder>

#include "jukebox/common/text_lines.h"

namespace {

// Skins written on other systems use UTF-8 or an 8-bit code page; text that is
// not valid UTF-8 is read as Latin-1.
QString decodeHeaderText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
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
    QFile file(specPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QStringList lines = ReadLinePieces(decodeHeaderText(file.readAll()));
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
    return true;
}
