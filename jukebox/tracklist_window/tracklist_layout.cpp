#include "jukebox/tracklist_window/tracklist_layout.h"

namespace {

constexpr int h16 = TracklistLayout::kFieldHeight;

}  // namespace

TracklistLayout::Placement TracklistLayout::Place(QSize client, bool tagsShown) {
    const int w = client.width();
    const int h = client.height();
    Placement p;
    p.detailButton = QRect(w - 19, 3, 16, 16);
    if (tagsShown) {
        p.fields[Path] = QRect(3, 3, w - 25, h16);
        p.fields[IndexTotal] = QRect(w - 60, 57, 57, h16);
        p.fields[Artist] = QRect(3, 21, w - 116, h16);
        p.fields[Genre] = QRect(w - 110, 21, 107, h16);
        p.fields[Source] = QRect(3, 39, w - 116, h16);
        p.fields[Date] = QRect(w - 110, 39, 47, h16);
        p.fields[MediaKind] = QRect(w - 60, 39, 27, h16);
        p.fields[Mapping] = QRect(w - 30, 39, 27, h16);
        p.fields[Comment] = QRect(3, 57, w - 66, h16);
        p.list = QRect(3, 75, w - 6, h - 105);
        for (bool& shown : p.fieldShown) {
            shown = true;
        }
    } else {
        p.fields[Path] = QRect(3, 3, w - 85, h16);
        p.fields[IndexTotal] = QRect(w - 79, 3, 57, h16);
        p.list = QRect(3, 21, w - 6, h - 51);
        p.fieldShown[Path] = true;
        p.fieldShown[IndexTotal] = true;
    }
    return p;
}

QSize TracklistLayout::MinimumSize(bool tagsShown) {
    return {kMinWidth, tagsShown ? kMinHeightShown : kMinHeightHidden};
}

int TracklistLayout::ToggledHeight(int height, bool nowShown) {
    return nowShown ? height + kDetailStrip : height - kDetailStrip;
}

int TracklistLayout::StoredHeight(int height, bool tagsShown) {
    return tagsShown ? height - kDetailStrip : height;
}
