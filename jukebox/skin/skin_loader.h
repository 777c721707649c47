#pragma once

#include <QString>

#include "jukebox/skin/skin_description.h"

class SkinPackages;
class UiService;

// Turns a skin folder or archive into the skin description: spec.txt's lines,
// the bitmaps of both views, every visible control's size and rectangle, the
// face size and the window shape of each view.
class SkinLoader {
public:
    SkinLoader(UiService& ui, SkinPackages& packages) : ui_(ui), packages_(packages) {}

    // False, with the message "Skin files not found" and the description as it
    // was, when the skin has no spec.txt (or one that is no regular file, or
    // larger than SpecParser::kMaxFileSize). A missing (or unreadable) bitmap is
    // reported as "<full path> not found!" and its slot keeps what it held.
    // Entries and bitmaps the new skin does not state keep their earlier values,
    // except the track panel's colours, which start black at each load.
    bool LoadSkin(const QString& path, SkinDescription& skin);

private:
    void loadView(const QString& folder, const QString& prefix, SkinView& view);
    bool loadBitmap(const QString& folder, const QString& name, QImage& slot);

    UiService& ui_;
    SkinPackages& packages_;
};
