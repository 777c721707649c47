#include "jukebox/tracklist_window/tracklist_commands.h"

#include <array>

namespace {

using namespace TracklistCommand;

constexpr std::array kToolbar{
    ToolbarItem{Select, 0, "Select", false},
    ToolbarItem{Focus, 1, "Focus", true},
    ToolbarItem{Sort, 2, "Sort", true},
    ToolbarItem{Add, 3, "Add", true},
    ToolbarItem{Delete, 4, "Delete", true},
    ToolbarItem{Rescan, 5, "Rescan", true},
    ToolbarItem{},
    ToolbarItem{OpenNew, 6, "Open/New", true},
    ToolbarItem{Save, 7, "Save", true},
    ToolbarItem{SaveAs, 8, "SaveAs", true},
    ToolbarItem{},
    ToolbarItem{Abort, 9, "Abort", false},
    ToolbarItem{Close, 10, "Close", false},
};

constexpr std::array kSortMenu{
    SortMenuItem{SortKey::Fullpath, "Fullpath"}, SortMenuItem{SortKey::Path, "Path"},
    SortMenuItem{SortKey::Name, "Name"},         SortMenuItem{SortKey::Genre, "Genre"},
    SortMenuItem{SortKey::Source, "Source"},     SortMenuItem{SortKey::Artist, "Artist"},
};

}  // namespace

std::span<const ToolbarItem> TracklistCommands::Toolbar() {
    return kToolbar;
}

std::span<const SortMenuItem> TracklistCommands::SortMenu() {
    return kSortMenu;
}

bool TracklistCommands::Enabled(int command, bool busy) {
    if (!busy) {
        return true;
    }
    for (const ToolbarItem& item : kToolbar) {
        if (item.command == command) {
            return !item.disabledWhileBusy;
        }
    }
    return true;
}
