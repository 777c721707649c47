#pragma once

#include <QString>
#include <span>

#include "jukebox/tracklist/entry_sorter.h"

// The tracklist window's toolbar commands by their numbers.
namespace TracklistCommand {
constexpr int Delete = 3381;
constexpr int Sort = 3382;
constexpr int Select = 3383;
constexpr int Rescan = 3384;
constexpr int Focus = 3385;
constexpr int OpenNew = 3386;
constexpr int Abort = 3387;
constexpr int Save = 3388;
constexpr int Add = 3389;
constexpr int Close = 3390;
constexpr int SaveAs = 3391;
}  // namespace TracklistCommand

// One place of the toolbar: a button, or a separator (command 0).
struct ToolbarItem {
    int command = 0;
    int image = -1;  // index of its picture
    const char* tip = "";
    bool disabledWhileBusy = false;
};

struct SortMenuItem {
    SortKey key;
    const char* text;
};

// The toolbar's buttons and the sort menu's items in their order, and which
// commands a running long operation holds back.
class TracklistCommands {
public:
    static std::span<const ToolbarItem> Toolbar();
    static std::span<const SortMenuItem> SortMenu();
    // False for the commands that would start or disturb a second long
    // operation while one runs; Select, Abort and Close always work.
    static bool Enabled(int command, bool busy);
};
