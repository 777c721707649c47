#pragma once

#include "jukebox/skin/skin_description.h"

// The plain face the window shows when no skin could be loaded: the message
// "Skin files not found" on it, a close button, the system-menu button (Options,
// Help, Exit) and the track panel, so that the program can still be used, given
// another skin or closed. It has no alternate view.
SkinDescription FallbackSkin();
