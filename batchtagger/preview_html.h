#pragma once

#include <QString>
#include <vector>

#include "batchtagger/write_planner.h"

// The preview of a Write as rich text: for each file, each field as it is shown
// now beside what the written block will read as, the fields that change on a
// coloured ground and the characters the code page cannot hold in red.
// moreFiles counts the selected files left out of the preview.
QString PreviewHtml(const std::vector<FilePlan>& plans, int moreFiles);

// The name of a genre index as a read gives it (the markers are 148..154).
QString GenreIndexName(int index);
