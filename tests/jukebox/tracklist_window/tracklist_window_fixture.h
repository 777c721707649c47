#pragma once

#include <QLineEdit>
#include <QTest>

#include "jukebox/tracklist_window/tracklist_wnd.h"
#include "tests/jukebox/tracklist/tracklist_fixture.h"

// The real tracklist window on the offscreen platform over a store with a
// temporary folder; the track panel's news are recorded.
class TracklistWindowTest : public TracklistTest {
protected:
    TracklistWindowTest();
    ~TracklistWindowTest() override;

    // The lines as the list view shows them.
    QStringList shownLines() const;
    // Entries without files, shown in the window.
    void fillEntries(const QStringList& paths);
    // A click on a line, as the user gives it (with modifiers for a multiple
    // selection).
    void clickLine(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void pressInList(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    QString fieldText(TracklistLayout::Field field) { return wnd.field(field).text(); }
    void trigger(int command);

    CTracklistWnd wnd{store, ui};
};
