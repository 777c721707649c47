#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// What the tracklist store tells the windows that show it: the tracklist window
// (its list lines, selection, title, busy state and detail fields) and the main
// window's track panel (its state bits and pop-ups). Each piece of news is ignored
// unless an observer shows it.
class TracklistObserver {
public:
    // Track panel state bits and pop-up kinds used by the tracklist.
    static constexpr int kPanelScanning = 2;
    static constexpr int kPanelSorting = 4;

    virtual ~TracklistObserver() = default;

    // False when the observer formats the lines it shows itself: the line
    // events then come with empty texts (and a refill with no lines at all).
    virtual bool wantsLineTexts() const { return true; }

    // A line was appended for the entry now at index (the last one).
    virtual void lineAdded(int /*index*/, const QString& /*text*/) {}
    // The line at index was rebuilt; it is not selected.
    virtual void lineReplaced(int /*index*/, const QString& /*text*/) {}
    // The lines at these indices (ascending, as they were numbered before) are gone.
    virtual void linesRemoved(const std::vector<int>& /*ascending*/) {}
    // Every line was replaced by these, one per entry.
    virtual void linesRefilled(const QStringList& /*lines*/) {}

    // All lines are deselected, then the line at index is selected (-1: none).
    virtual void selectOnly(int /*index*/) {}
    // Refill the detail fields from the line under the keyboard caret.
    virtual void showDetails() {}
    virtual void titleChanged(const QString& /*title*/) {}
    // A long operation starts or ends: editing commands are disabled meanwhile.
    virtual void busyChanged(bool /*busy*/) {}

    // Track panel: set or clear state bits, then show a pop-up of that kind.
    virtual void panelSetBits(bool /*set*/, int /*bits*/) {}
    virtual void panelPopup(int /*kind*/) {}

    // What a saved copy of the list would hold changed: its paths or their
    // order, the tracklist file, the modified mark or the current track. Told
    // often (at every entry a scan adds), so it must be cheap.
    virtual void listChanged() {}
};
