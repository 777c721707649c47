#include "jukebox/shell/key_map.h"

#include "jukebox/shell/command_ids.h"

namespace {

KeyAction command(int id) {
    KeyAction action;
    action.kind = KeyAction::Kind::Command;
    action.command = id;
    return action;
}

KeyAction seek(int seconds) {
    KeyAction action;
    action.kind = KeyAction::Kind::Seek;
    action.seekSeconds = seconds;
    return action;
}

KeyAction speed(double delta) {
    KeyAction action;
    action.kind = KeyAction::Kind::Speed;
    action.speedDelta = delta;
    return action;
}

KeyAction kind(KeyAction::Kind k) {
    KeyAction action;
    action.kind = k;
    return action;
}

// Keypad and Shift change nothing about which key it is.
Qt::KeyboardModifiers held(Qt::KeyboardModifiers modifiers) {
    return modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

KeyAction letterPress(int key) {
    switch (key) {
        case Qt::Key_X:
            return speed(-0.25);
        case Qt::Key_Z:
            return speed(0.25);
        default:
            return {};
    }
}

KeyAction letterRelease(int key) {
    switch (key) {
        case Qt::Key_B:
            return kind(KeyAction::Kind::Boss);
        case Qt::Key_C:
            return command(ControlId::Cover);
        case Qt::Key_D:
            return command(ControlId::Dict);
        case Qt::Key_I:
            return kind(KeyAction::Kind::TogglePanelFormat);
        case Qt::Key_L:
            return command(ControlId::Loop);
        case Qt::Key_R:
            return command(ControlId::Random);
        case Qt::Key_T:
            return command(ControlId::Tlist);
        case Qt::Key_V:
            return command(ControlId::Ui);
        default:
            return {};
    }
}

bool isLetter(int key) {
    return key >= Qt::Key_A && key <= Qt::Key_Z;
}

}  // namespace

KeyAction MapKeyPress(int key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers mods = held(modifiers);
    if (mods & Qt::AltModifier) {
        return {};
    }
    if (isLetter(key)) {
        if (key == Qt::Key_F && mods == Qt::ControlModifier) {
            return command(CommandId::Filters);
        }
        return mods ? KeyAction{} : letterPress(key);
    }
    switch (key) {
        case Qt::Key_Left:
            return seek(-1);
        case Qt::Key_Right:
            return seek(1);
        case Qt::Key_Up:
            return seek(-10);
        case Qt::Key_Down:
            return seek(10);
        case Qt::Key_Plus:
            return modifiers & Qt::KeypadModifier ? command(CommandId::VolumeUp) : KeyAction{};
        case Qt::Key_Minus:
            return modifiers & Qt::KeypadModifier ? command(CommandId::VolumeDown) : KeyAction{};
        case Qt::Key_VolumeUp:
            return command(CommandId::VolumeUp);
        case Qt::Key_VolumeDown:
            return command(CommandId::VolumeDown);
        case Qt::Key_F1:
            return command(ControlId::Help);
        default:
            return {};
    }
}

KeyAction MapKeyRelease(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat) {
    const Qt::KeyboardModifiers mods = held(modifiers);
    if (autoRepeat || (mods & Qt::AltModifier)) {
        return {};
    }
    if (isLetter(key)) {
        return mods ? KeyAction{} : letterRelease(key);
    }
    switch (key) {
        case Qt::Key_Space:
            return command(CommandId::PauseResume);
        case Qt::Key_End:
            return command(ControlId::End);
        case Qt::Key_Home:
            return command(ControlId::Home);
        default:
            return {};
    }
}
