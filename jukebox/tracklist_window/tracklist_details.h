#pragma once

#include <QString>
#include <array>

#include "jukebox/tracklist/track_entry.h"
#include "jukebox/tracklist_window/tracklist_layout.h"

// The texts of the detail fields for the entry under the keyboard caret, in the
// order of TracklistLayout::Field.
using DetailTexts = std::array<QString, TracklistLayout::kFieldCount>;

// caret is the line's index, count the number of entries.
DetailTexts DetailsFor(const TrackEntry& entry, int caret, int count);
// The Index/Total field alone: "caret + 1/count".
QString IndexTotalText(int caret, int count);
