#pragma once

#include <QIcon>

// Marlowisp's icon, a luggage tag with a note on it, drawn here so that no
// picture file has to travel with the program.
QIcon MarlowispIcon();
