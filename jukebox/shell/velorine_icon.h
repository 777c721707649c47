#pragma once

#include <QIcon>

// The jukebox's icon (window, taskbar and tray): a blue disc with a note,
// drawn at the usual sizes.
QIcon VelorineIcon();
