#pragma once

#include <QString>
#include <QStringList>

#include "tagjournal/tag_journal.h"

// What the status line says when a Write, a Remove or an Undo ends, and the
// full paths behind it for its tool tip. Files are named with their folder
// ("cd2/03 track.mp3"): an album's track names repeat from folder to folder.
struct BatchReport {
    QString text;
    QStringList details;
};

// How a Write or Remove over the selected files went.
struct BatchOutcome {
    enum class Kind { Write, Remove };
    Kind kind = Kind::Write;
    int done = 0;        // files changed
    int untouched = 0;   // files a Write had nothing to write into
    QStringList failed;  // full paths
    bool failedStaySelected = false;
    QString journalError;  // why the journal could not keep a change, if it could not
};

BatchReport ReportBatch(const BatchOutcome& outcome);
// Also lists in restored the files that have their old bytes again.
BatchReport ReportUndo(const UndoReport& undo, QStringList& restored);

// "cd2/03 track.mp3" for .../cd2/03 track.mp3.
QString ShortFileName(const QString& path);
