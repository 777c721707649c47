#pragma once

#include <QRect>
#include <QSize>

// Where the tracklist window's controls stand for a client size, the window's
// minimum size and the arithmetic of the detail strip. Plain geometry, so that
// it is tested without a window.
class TracklistLayout {
public:
    // The detail fields, in the order of their control ids.
    enum Field { Path, Source, MediaKind, Mapping, Genre, Date, Artist, Comment, IndexTotal };
    static constexpr int kFieldCount = 9;

    static constexpr int kFieldHeight = 16;
    // The three rows of fields shown with the details.
    static constexpr int kDetailStrip = 54;
    static constexpr int kMinWidth = 278;
    static constexpr int kMinHeightShown = 172;
    static constexpr int kMinHeightHidden = 116;

    struct Placement {
        QRect fields[kFieldCount];
        bool fieldShown[kFieldCount] = {};
        QRect detailButton;
        QRect list;
    };

    static Placement Place(QSize client, bool tagsShown);
    // The smallest outer size while the user drags a border.
    static QSize MinimumSize(bool tagsShown);
    // The height after the detail button: the strip is added or taken away.
    static int ToggledHeight(int height, bool nowShown);
    // The height the settings keep: always without the strip.
    static int StoredHeight(int height, bool tagsShown);
};
