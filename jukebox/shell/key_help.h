#pragma once

#include <QList>
#include <QString>

// One line of the keyboard help: a key as the user presses it and what it does.
struct KeyHelpRow {
    QString key;
    QString action;
};

// The jukebox's keys, read from the keyboard map itself (MapKeyPress and
// MapKeyRelease), so the help cannot tell anything the keys do not do.
QList<KeyHelpRow> KeyHelpRows();

// What a command id does, in a few words ("Pause/resume", "Tracklist").
QString CommandHelpText(int id);
