#pragma once

#include <QIcon>
#include <QPixmap>

// Marlowisp's icon, a luggage tag with a note on it, drawn here so that no
// picture file has to travel with the program.
QIcon MarlowispIcon();
// One size of it, for the icon files an install puts in the desktop's theme.
QPixmap MarlowispIconPixmap(int size);
