#include "jukebox/shell/key_help.h"

#include <QCoreApplication>

#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/control_table.h"
#include "jukebox/shell/key_map.h"

namespace {

struct KeyName {
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
};

// The keys worth trying, in the order the help lists them; letters are added
// after them.
const KeyName kKeys[] = {
    {Qt::Key_Space, Qt::NoModifier, QT_TRANSLATE_NOOP("KeyHelp", "Space")},
    {Qt::Key_Left, Qt::NoModifier, QT_TRANSLATE_NOOP("KeyHelp", "Left")},
    {Qt::Key_Right, Qt::NoModifier, QT_TRANSLATE_NOOP("KeyHelp", "Right")},
    {Qt::Key_Up, Qt::NoModifier, QT_TRANSLATE_NOOP("KeyHelp", "Up")},
    {Qt::Key_Down, Qt::NoModifier, QT_TRANSLATE_NOOP("KeyHelp", "Down")},
    {Qt::Key_Home, Qt::NoModifier, QT_TRANSLATE_NOOP("KeyHelp", "Home")},
    {Qt::Key_End, Qt::NoModifier, QT_TRANSLATE_NOOP("KeyHelp", "End")},
    {Qt::Key_Plus, Qt::KeypadModifier, QT_TRANSLATE_NOOP("KeyHelp", "Keypad +")},
    {Qt::Key_Minus, Qt::KeypadModifier, QT_TRANSLATE_NOOP("KeyHelp", "Keypad -")},
    {Qt::Key_VolumeUp, Qt::NoModifier, QT_TRANSLATE_NOOP("KeyHelp", "Volume up key")},
    {Qt::Key_VolumeDown, Qt::NoModifier, QT_TRANSLATE_NOOP("KeyHelp", "Volume down key")},
    {Qt::Key_F, Qt::ControlModifier, "Ctrl+F"},
    {Qt::Key_F1, Qt::NoModifier, "F1"},
};

QString describe(const KeyAction& action) {
    switch (action.kind) {
        case KeyAction::Kind::Command:
            return CommandHelpText(action.command);
        case KeyAction::Kind::Seek:
            return action.seekSeconds < 0
                       ? QCoreApplication::translate("KeyHelp", "Seek back %1 s")
                             .arg(-action.seekSeconds)
                       : QCoreApplication::translate("KeyHelp", "Seek forward %1 s")
                             .arg(action.seekSeconds);
        case KeyAction::Kind::Speed:
            return action.speedDelta < 0
                       ? QCoreApplication::translate("KeyHelp", "Slower (down to 0.25x)")
                       : QCoreApplication::translate("KeyHelp", "Faster (up to 2x)");
        case KeyAction::Kind::Boss:
            return QCoreApplication::translate("KeyHelp",
                                               "Boss key: pause and hide the video, or come back");
        case KeyAction::Kind::TogglePanelFormat:
            return QCoreApplication::translate("KeyHelp",
                                               "Track display: primary or alternate text");
        case KeyAction::Kind::None:
            break;
    }
    return QString();
}

QString actionOf(int key, Qt::KeyboardModifiers modifiers) {
    const KeyAction press = MapKeyPress(key, modifiers);
    if (press.kind != KeyAction::Kind::None) {
        return describe(press);
    }
    return describe(MapKeyRelease(key, modifiers, false));
}

}  // namespace

QString CommandHelpText(int id) {
    switch (id) {
        case CommandId::PauseResume:
            return QCoreApplication::translate("KeyHelp", "Pause/resume");
        case CommandId::VolumeUp:
            return QCoreApplication::translate("KeyHelp", "Volume up");
        case CommandId::VolumeDown:
            return QCoreApplication::translate("KeyHelp", "Volume down");
        case CommandId::Filters:
            return QCoreApplication::translate("KeyHelp", "Filters");
        case ControlId::Help:
            return QCoreApplication::translate("KeyHelp", "Help");
        default:
            break;
    }
    const ControlInfo* control = FindControl(id);
    return control != nullptr ? ControlToolTip(*control) : QString();
}

QList<KeyHelpRow> KeyHelpRows() {
    QList<KeyHelpRow> rows;
    for (const KeyName& name : kKeys) {
        const QString action = actionOf(name.key, name.modifiers);
        if (!action.isEmpty()) {
            rows.append({QCoreApplication::translate("KeyHelp", name.text), action});
        }
    }
    for (int key = Qt::Key_A; key <= Qt::Key_Z; ++key) {
        const QString action = actionOf(key, Qt::NoModifier);
        if (!action.isEmpty()) {
            rows.append({QString(QChar(key)), action});
        }
    }
    return rows;
}
