#include "jukebox/shell/key_map.h"

#include <gtest/gtest.h>

#include "jukebox/shell/command_ids.h"

namespace {

using Kind = KeyAction::Kind;

struct Row {
    bool press;
    int key;
    Qt::KeyboardModifiers modifiers;
    Kind kind;
    int command = 0;
    int seekSeconds = 0;
    double speedDelta = 0.0;
};

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;
constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;

TEST(KeyMapTest, EveryKeyActsOnItsOwnEdgeOnly) {
    const Row rows[] = {
        // Pressed.
        {true, Qt::Key_Left, kNone, Kind::Seek, 0, -1},
        {true, Qt::Key_Right, kPad, Kind::Seek, 0, 1},
        {true, Qt::Key_Up, kNone, Kind::Seek, 0, -10},
        {true, Qt::Key_Down, kCtrl, Kind::Seek, 0, 10},
        {true, Qt::Key_F, kCtrl, Kind::Command, CommandId::Filters},
        {true, Qt::Key_F, kNone, Kind::None},
        {true, Qt::Key_X, kNone, Kind::Speed, 0, 0, -0.25},
        {true, Qt::Key_Z, kShift, Kind::Speed, 0, 0, 0.25},
        {true, Qt::Key_Z, kCtrl, Kind::None},
        {true, Qt::Key_Plus, kPad, Kind::Command, CommandId::VolumeUp},
        {true, Qt::Key_Minus, kPad, Kind::Command, CommandId::VolumeDown},
        {true, Qt::Key_Plus, kShift, Kind::None},  // the main keyboard's plus
        {true, Qt::Key_Minus, kNone, Kind::None},
        {true, Qt::Key_VolumeUp, kNone, Kind::Command, CommandId::VolumeUp},
        {true, Qt::Key_VolumeDown, kNone, Kind::Command, CommandId::VolumeDown},
        {true, Qt::Key_F1, kNone, Kind::Command, ControlId::Help},
        {true, Qt::Key_Left, kAlt, Kind::None},
        {true, Qt::Key_Space, kNone, Kind::None},
        {true, Qt::Key_L, kNone, Kind::None},
        // Released.
        {false, Qt::Key_Space, kNone, Kind::Command, CommandId::PauseResume},
        {false, Qt::Key_End, kNone, Kind::Command, ControlId::End},
        {false, Qt::Key_Home, kPad, Kind::Command, ControlId::Home},
        {false, Qt::Key_B, kNone, Kind::Boss},
        {false, Qt::Key_C, kShift, Kind::Command, ControlId::Cover},
        {false, Qt::Key_D, kNone, Kind::Command, ControlId::Dict},
        {false, Qt::Key_I, kNone, Kind::TogglePanelFormat},
        {false, Qt::Key_L, kShift, Kind::Command, ControlId::Loop},
        {false, Qt::Key_R, kNone, Kind::Command, ControlId::Random},
        {false, Qt::Key_T, kNone, Kind::Command, ControlId::Tlist},
        {false, Qt::Key_V, kNone, Kind::Command, ControlId::Ui},
        {false, Qt::Key_L, kCtrl, Kind::None},
        {false, Qt::Key_R, kAlt, Kind::None},
        {false, Qt::Key_X, kNone, Kind::None},
        {false, Qt::Key_Left, kNone, Kind::None},
        {false, Qt::Key_F, kCtrl, Kind::None},
        {false, Qt::Key_Plus, kPad, Kind::None},
        {false, Qt::Key_Eacute, kNone, Kind::None},  // a letter, but not a letter key
    };
    for (const Row& row : rows) {
        const KeyAction action = row.press ? MapKeyPress(row.key, row.modifiers)
                                           : MapKeyRelease(row.key, row.modifiers, false);
        KeyAction expected;
        expected.kind = row.kind;
        expected.command = row.command;
        expected.seekSeconds = row.seekSeconds;
        expected.speedDelta = row.speedDelta;
        EXPECT_EQ(action, expected) << (row.press ? "press " : "release ") << std::hex << row.key
                                    << " modifiers " << row.modifiers.toInt();
    }
    // A held key repeats its press; only its real release acts.
    EXPECT_EQ(MapKeyRelease(Qt::Key_Space, Qt::NoModifier, true), KeyAction());
}

}  // namespace
