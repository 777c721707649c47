#include "jukebox/shell/control_table.h"

#include <QCoreApplication>
#include <array>

#include "jukebox/shell/command_ids.h"

namespace {

using namespace ControlId;

constexpr std::array<ControlInfo, 31> kControls{{
    {Play, SkinPlay, QT_TRANSLATE_NOOP("ControlTable", "Play"), false},
    {Dict, SkinDict, QT_TRANSLATE_NOOP("ControlTable", "Dictionary"), false},
    {Tlist, SkinTlist, QT_TRANSLATE_NOOP("ControlTable", "Tracklist"), false},
    {Pause, SkinPause, QT_TRANSLATE_NOOP("ControlTable", "Pause"), false},
    {Stop, SkinStop, QT_TRANSLATE_NOOP("ControlTable", "Stop"), false},
    {Home, SkinHome, QT_TRANSLATE_NOOP("ControlTable", "Rewind"), false},
    {End, SkinEnd, QT_TRANSLATE_NOOP("ControlTable", "Skip"), false},
    {Loop, SkinLoop, QT_TRANSLATE_NOOP("ControlTable", "Loop"), false},
    {Random, SkinRandom, QT_TRANSLATE_NOOP("ControlTable", "Random"), false},
    {Options, SkinOptions, QT_TRANSLATE_NOOP("ControlTable", "Options"), false},
    {Help, SkinHelp, QT_TRANSLATE_NOOP("ControlTable", "Help!"), false},
    {Menu, SkinMenu, QT_TRANSLATE_NOOP("ControlTable", "System menu"), false},
    {Ui, SkinUi, QT_TRANSLATE_NOOP("ControlTable", "Switch view"), false},
    {Close, SkinClose, QT_TRANSLATE_NOOP("ControlTable", "Close"), false},
    {Mini, SkinMini, QT_TRANSLATE_NOOP("ControlTable", "Minimize"), false},
    {Cover, SkinCover, QT_TRANSLATE_NOOP("ControlTable", "Cover"), false},
    {BalRight, SkinBalrt, "", true},
    {BalLeft, SkinBallt, "", true},
    {VolUp, SkinVolup, "", true},
    {VolDown, SkinVoldn, "", true},
    {PosForward, SkinPosff, QT_TRANSLATE_NOOP("ControlTable", "Forward seek"), true},
    {PosRewind, SkinPosrw, QT_TRANSLATE_NOOP("ControlTable", "Reverse seek"), true},
    {Track, SkinTrack, QT_TRANSLATE_NOOP("ControlTable", "Track display"), false},
    {Time, SkinTime, QT_TRANSLATE_NOOP("ControlTable", "Time display"), false},
    {AvLamp, SkinAv, QT_TRANSLATE_NOOP("ControlTable", "A/V status"), false},
    {TagLamp, SkinTag, QT_TRANSLATE_NOOP("ControlTable", "Tag/Dic status"), false},
    {PmLamp, SkinPm, "", false},
    {Anim, SkinAnim, "", false},
    {Position, SkinPosition, QT_TRANSLATE_NOOP("ControlTable", "Position control"), false},
    {Volume, SkinVolume, QT_TRANSLATE_NOOP("ControlTable", "Volume control"), false},
    {Balance, SkinBalance, QT_TRANSLATE_NOOP("ControlTable", "Balance control"), false},
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

QString ControlToolTip(const ControlInfo& control) {
    if (*control.toolTip == '\0') {
        return QString();
    }
    return QCoreApplication::translate("ControlTable", control.toolTip);
}

bool IsButtonId(int id) {
    return id >= Play && id <= PosRewind && FindControl(id) != nullptr;
}
