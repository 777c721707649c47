#pragma once

#include <QString>
#include <span>

#include "jukebox/skin/skin_description.h"

// One control of the face: its id (a button sends it as its command), the skin
// keyword that places it, its tool tip (empty: none) and whether a held button
// repeats.
struct ControlInfo {
    int id;
    SkinKeyword keyword;
    const char* toolTip;
    bool autoRepeat;
};

// Every control of the main window, buttons first, in id order.
std::span<const ControlInfo> ControlTable();
// The control of id, or null.
const ControlInfo* FindControl(int id);
// The tool tip of control in the user's language; empty for none.
QString ControlToolTip(const ControlInfo& control);
// True for the ids of the face's buttons (1001..1024).
bool IsButtonId(int id);
