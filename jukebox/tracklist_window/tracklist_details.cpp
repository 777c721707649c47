#include "jukebox/tracklist_window/tracklist_details.h"

namespace {

QString mediaKindText(int kind) {
    switch (kind) {
        case 1:
            return QStringLiteral("VID");
        case 2:
            return QStringLiteral("AUD");
        default:
            return {};
    }
}

QString mappingText(int kind) {
    switch (kind) {
        case MappingDictionary:
            return QStringLiteral("DIC");
        case MappingTag:
            return QStringLiteral("TAG");
        default:
            return {};
    }
}

}  // namespace

DetailTexts DetailsFor(const TrackEntry& entry, int caret, int count) {
    DetailTexts texts;
    texts[TracklistLayout::Path] = entry.path;
    texts[TracklistLayout::Source] = entry.source;
    texts[TracklistLayout::MediaKind] = mediaKindText(entry.mediaKind);
    texts[TracklistLayout::Mapping] = mappingText(entry.mappingKind);
    texts[TracklistLayout::Genre] = entry.genre;
    texts[TracklistLayout::Date] = entry.date;
    texts[TracklistLayout::Artist] = entry.artist;
    texts[TracklistLayout::Comment] = entry.comment;
    texts[TracklistLayout::IndexTotal] = IndexTotalText(caret, count);
    return texts;
}

QString IndexTotalText(int caret, int count) {
    return QStringLiteral("%1/%2").arg(caret + 1).arg(count);
}
