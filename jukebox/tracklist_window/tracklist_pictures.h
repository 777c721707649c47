#pragma once

#include <QIcon>

// The tracklist window's pictures, drawn in code: the eleven toolbar images
// (16 x 16, in the toolbar's order) and the detail button's two.
class TracklistPictures {
public:
    static constexpr int kToolbarImages = 11;
    static constexpr int kSize = 16;

    static QIcon ToolbarImage(int index);
    // The detail button: "show" while the details are hidden, else "hide".
    static QIcon DetailButton(bool tagsShown);
};
