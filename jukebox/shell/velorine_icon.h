#pragma once

#include <QIcon>
#include <QPixmap>

// The jukebox's icon (window, taskbar and tray): a blue disc with a note,
// drawn at the usual sizes.
QIcon VelorineIcon();
// One size of it, for the icon files an install puts in the desktop's theme.
QPixmap VelorineIconPixmap(int size);
