#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// What the tracklist store tells the windows that show it: the tracklist window
// (its list lines, selection, title, busy state and detail fields) and the main
// window's track panel (its state bits and pop-ups).
class TracklistObserver {
public:
    // Track panel state bits and pop-up kinds used by the tracklist.
    static constexpr int kPanelScanning = 2;
    static constexpr int kPanelSorting = 4;

    virtual ~TracklistObserver() = default;

    // A line was appended for the entry now at index (the last one).
    virtual void lineAdded(int index, const QString& text) = 0;
    // The line at index was rebuilt; it is not selected.
    virtual void lineReplaced(int index, const QString& text) = 0;
    // The lines at these indices (ascending, as they were numbered before) are gone.
    virtual void linesRemoved(const std::vector<int>& ascending) = 0;
    // Every line was replaced by these, one per entry.
    virtual void linesRefilled(const QStringList& lines) = 0;

    // All lines are deselected, then the line at index is selected (-1: none).
    virtual void selectOnly(int index) = 0;
    // Refill the detail fields from the line under the keyboard caret.
    virtual void showDetails() = 0;
    virtual void titleChanged(const QString& title) = 0;
    // A long operation starts or ends: editing commands are disabled meanwhile.
    virtual void busyChanged(bool busy) = 0;

    // Track panel: set or clear state bits, then show a pop-up of that kind.
    virtual void panelSetBits(bool set, int bits) = 0;
    virtual void panelPopup(int kind) = 0;
};
