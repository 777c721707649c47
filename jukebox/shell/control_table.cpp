#include "jukebox/shell/control_table.h"

#include <array>

#include "jukebox/shell/command_ids.h"

namespace {

using namespace ControlId;

constexpr std::array<ControlInfo, 31> kControls{{
    {Play, SkinPlay, "Play", false},
    {Dict, SkinDict, "Dictionary", false},
    {Tlist, SkinTlist, "Tracklist", false},
    {Pause, SkinPause, "Pause", false},
    {Stop, SkinStop, "Stop", false},
    {Home, SkinHome, "Rewind", false},
    {End, SkinEnd, "Skip", false},
    {Loop, SkinLoop, "Loop", false},
    {Random, SkinRandom, "Random", false},
    {Options, SkinOptions, "Options", false},
    {Help, SkinHelp, "Help!", false},
    {Menu, SkinMenu, "System menu", false},
    {Ui, SkinUi, "Switch view", false},
    {Close, SkinClose, "Close", false},
    {Mini, SkinMini, "Minimize", false},
    {Cover, SkinCover, "Cover", false},
    {BalRight, SkinBalrt, "", true},
    {BalLeft, SkinBallt, "", true},
    {VolUp, SkinVolup, "", true},
    {VolDown, SkinVoldn, "", true},
    {PosForward, SkinPosff, "Forward seek", true},
    {PosRewind, SkinPosrw, "Reverse seek", true},
    {Track, SkinTrack, "Track display", false},
    {Time, SkinTime, "Time display", false},
    {AvLamp, SkinAv, "A/V status", false},
    {TagLamp, SkinTag, "Tag/Dic status", false},
    {PmLamp, SkinPm, "", false},
    {Anim, SkinAnim, "", false},
    {Position, SkinPosition, "Position control", false},
    {Volume, SkinVolume, "Volume control", false},
    {Balance, SkinBalance, "Balance control", false},
}};

}  // namespace

std::span<const ControlInfo> ControlTable() {
    return kControls;
}

const ControlInfo* FindControl(int id) {
    for (const ControlInfo& control : kControls) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}

bool IsButtonId(int id) {
    return id >= Play && id <= PosRewind && FindControl(id) != nullptr;
}
