#include "jukebox/tracklist_window/tracklist_commands.h"

#include <QCoreApplication>
#include <array>

namespace {

using namespace TracklistCommand;

constexpr std::array kToolbar{
    ToolbarItem{Select, 0, QT_TRANSLATE_NOOP("CTracklistWnd", "Select"), false},
    ToolbarItem{Focus, 1, QT_TRANSLATE_NOOP("CTracklistWnd", "Focus"), true},
    ToolbarItem{Sort, 2, QT_TRANSLATE_NOOP("CTracklistWnd", "Sort"), true},
    ToolbarItem{Add, 3, QT_TRANSLATE_NOOP("CTracklistWnd", "Add"), true},
    ToolbarItem{Delete, 4, QT_TRANSLATE_NOOP("CTracklistWnd", "Delete"), true},
    ToolbarItem{Rescan, 5, QT_TRANSLATE_NOOP("CTracklistWnd", "Rescan"), true},
    ToolbarItem{},
    ToolbarItem{OpenNew, 6, QT_TRANSLATE_NOOP("CTracklistWnd", "Open/New"), true},
    ToolbarItem{Save, 7, QT_TRANSLATE_NOOP("CTracklistWnd", "Save"), true},
    ToolbarItem{SaveAs, 8, QT_TRANSLATE_NOOP("CTracklistWnd", "SaveAs"), true},
    ToolbarItem{},
    ToolbarItem{Abort, 9, QT_TRANSLATE_NOOP("CTracklistWnd", "Abort"), false},
    ToolbarItem{Close, 10, QT_TRANSLATE_NOOP("CTracklistWnd", "Close"), false},
};

constexpr std::array kSortMenu{
    SortMenuItem{SortKey::Fullpath, QT_TRANSLATE_NOOP("CTracklistWnd", "Fullpath")},
    SortMenuItem{SortKey::Path, QT_TRANSLATE_NOOP("CTracklistWnd", "Path")},
    SortMenuItem{SortKey::Name, QT_TRANSLATE_NOOP("CTracklistWnd", "Name")},
    SortMenuItem{SortKey::Genre, QT_TRANSLATE_NOOP("CTracklistWnd", "Genre")},
    SortMenuItem{SortKey::Source, QT_TRANSLATE_NOOP("CTracklistWnd", "Source")},
    SortMenuItem{SortKey::Artist, QT_TRANSLATE_NOOP("CTracklistWnd", "Artist")},
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
