#pragma once

#include <QRect>
#include <QSize>

// Where the dictionary window's list and its two buttons stand for a client
// size, and the smallest the window may be dragged to. Plain geometry, tested
// without a window.
class DictionaryLayout {
public:
    // The whole window, frame included, while the user drags a border.
    static constexpr int kMinWidth = 259;
    static constexpr int kMinHeight = 163;
    static constexpr int kButtonWidth = 24;
    static constexpr int kButtonHeight = 22;

    struct Placement {
        QRect list;
        QRect save;
        QRect close;
    };

    static Placement Place(QSize client);
    static QSize MinimumSize() { return {kMinWidth, kMinHeight}; }
};
