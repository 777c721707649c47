#pragma once

#include <Qt>

// What a key does in the jukebox's windows.
struct KeyAction {
    enum class Kind {
        None,
        Command,            // command: a transport, window or menu command id
        Seek,               // seekSeconds: a seek step by key (-10, -1, 1, 10)
        Speed,              // speedDelta: -0.25 (X) or +0.25 (Z)
        Boss,               // B: hide everything, or come back
        TogglePanelFormat,  // I: the track panel's primary or alternate text
    };

    Kind kind = Kind::None;
    int command = 0;
    int seekSeconds = 0;
    double speedDelta = 0.0;

    friend bool operator==(const KeyAction&, const KeyAction&) = default;
};

// Some keys act when pressed (the seek, speed, filters and volume keys, help),
// others when released (Space, Home, End and the letter commands). Letters act
// with or without Shift but not with Ctrl, Alt or Meta (Ctrl+F is its own key);
// nothing acts with Alt held. The volume keys are the numeric pad's plus and minus
// and the keyboard's volume keys. A release that only ends an auto-repeat does
// nothing, so a held key acts once on its release.
KeyAction MapKeyPress(int key, Qt::KeyboardModifiers modifiers);
KeyAction MapKeyRelease(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat);
