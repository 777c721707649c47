#pragma once

#include <QIcon>
#include <QListView>
#include <QMenu>
#include <QPointer>
#include <QPropertyAnimation>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "jukebox/tracklist/tracklist_observer.h"
#include "jukebox/tracklist_window/dialog_folder.h"
#include "jukebox/tracklist_window/tracklist_details.h"
#include "jukebox/tracklist_window/tracklist_layout.h"
#include "jukebox/tracklist_window/tracklist_line_model.h"

class QLineEdit;
class TracklistStore;
class UiService;

// The tracklist window: the store's entries as formatted lines, the tags of the
// line under the caret in read-only fields, and a toolbar to select, sort, add,
// delete and rescan tracks and to open and save tracklist files. It shows what
// the store tells it and passes the track panel's news on to the main window.
// Shown and hidden with fades, never destroyed while the jukebox runs; keys it
// does not use go to the main window.
class CTracklistWnd : public QWidget, public TracklistObserver {
    Q_OBJECT
public:
    static constexpr int kFadeMs = 200;

    CTracklistWnd(TracklistStore& store, UiService& ui, QWidget* parent = nullptr);
    ~CTracklistWnd() override;

    // What the window needs of the main window: where keys go, how Select opens
    // the current track, and the track panel's observer.
    void setKeyTarget(QWidget* target) { keyTarget_ = target; }
    void setOpenCurrentTrack(std::function<void()> open) { openCurrentTrack_ = std::move(open); }
    void setPanelObserver(TracklistObserver* panel) { panel_ = panel; }

    // The rectangle the settings keep: the position and size, with the height
    // always given without the detail strip.
    void setStoredRect(QPoint pos, QSize size);
    QRect storedRect() const;

    // Shows with a fade in, or hides with a fade out; true when now shown.
    bool Toggle();
    // Shown at the user's asking, the window takes the keyboard; shown again
    // at a start (activate false), it leaves it where it is.
    void FadeIn(bool activate = true);
    void FadeOut();
    // Ends a running fade at once.
    void FinishFade();
    bool shownOrShowing() const;

    // A toolbar command (numbers of TracklistCommand) or a sort menu item.
    void OnCommand(int command);
    void ToggleDetails();
    bool tagsShown() const { return tagsShown_; }

    // The rows the user selected, ascending, and the caret row (-1: none).
    std::vector<int> selectedRows() const;
    int caretRow() const;

    QListView& list() { return list_; }
    QLineEdit& field(TracklistLayout::Field field) { return *fields_[field]; }
    QToolButton& detailButton() { return detailButton_; }
    QWidget& toolbar() { return toolbar_; }
    QAction* action(int command) const;
    QMenu& sortMenu() { return sortMenu_; }
    const TracklistLineModel& lines() const { return model_; }

    // TracklistObserver.
    bool wantsLineTexts() const override;
    void lineAdded(int index, const QString& text) override;
    void lineReplaced(int index, const QString& text) override;
    void linesRemoved(const std::vector<int>& ascending) override;
    void linesRefilled(const QStringList& lines) override;
    void selectOnly(int index) override;
    void showDetails() override;
    // True (and the fields marked stale) while a load fills the hidden window:
    // nobody sees them, and setting them for every line costs the load dearly.
    bool deferDetails();
    void titleChanged(const QString& title) override;
    void busyChanged(bool busy) override;
    void panelSetBits(bool set, int bits) override;
    void panelPopup(int kind) override;

Q_SIGNALS:
    // Close hid the window: the main window releases its tracklist control.
    void closed();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildFields();
    void buildToolbar();
    void buildSortMenu();
    void applyLayout();
    void applyMinimumSize();
    void setCommandsEnabled(bool busy);
    void runCommand(int command);
    void selectCommand();
    void addCommand();
    void openCommand();
    void saveAsCommand();
    void closeCommand();
    void sortByKey(int command);
    // A key in the list: true when it was used or passed on.
    bool listKey(QKeyEvent* event);
    void insertPrompt();
    void forwardKey(QKeyEvent* event);
    bool suppressToolTip(QObject* watched) const;
    QString dialogFolder() const;
    void setDetail(std::size_t field, const QString& text);

    TracklistStore& store_;
    UiService& ui_;
    TracklistLineModel model_;
    QListView list_;
    std::array<QLineEdit*, TracklistLayout::kFieldCount> fields_{};
    DetailTexts shownDetails_;
    // A load into the hidden window leaves the fields to its end.
    bool detailsStale_ = false;
    DialogFolder dialogFolder_;
    QToolButton detailButton_;
    QWidget toolbar_;  // the buttons along the bottom edge
    QMenu sortMenu_;
    QPropertyAnimation fade_;
    bool fadingOut_ = false;
    bool tagsShown_ = false;
    QPointer<QWidget> keyTarget_;
    std::function<void()> openCurrentTrack_;
    TracklistObserver* panel_ = nullptr;
};
