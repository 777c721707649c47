#pragma once

#include <QMenu>
#include <QPointer>
#include <QTableView>
#include <QToolButton>
#include <QWidget>
#include <vector>

#include "jukebox/dictionary_window/dictionary_table_model.h"
#include "jukebox/ui/window_fader.h"

class DictionaryStore;
class UiService;

// The "Mapping Dictionary" window: the store's rows in a list, a menu and keys
// to rename, edit, add and delete rows, drops of files and folders, and Save
// and Close buttons. A title mark shows unsaved changes. Shown and hidden with
// fades, never destroyed while the jukebox runs; keys it does not use go to
// the main window.
class CDictionaryWnd : public QWidget {
    Q_OBJECT
public:
    CDictionaryWnd(DictionaryStore& store, UiService& ui, QWidget* parent = nullptr);
    ~CDictionaryWnd() override;

    void setKeyTarget(QWidget* target) { keyTarget_ = target; }

    // The position and size the settings keep.
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

    // At program close: true when it may go on. Unsaved changes are offered
    // for saving first; Cancel, or a save that fails, keeps the program open.
    bool ConfirmClose();

    // The commands of the menu, the keys and the buttons.
    void RenameCaretRow();
    void EditSelectedEntries();
    void AddEntry();
    void DeleteSelected();
    void SaveDictionary();

    // The rows the user selected, ascending, and the caret row (-1: none).
    std::vector<int> selectedRows() const;
    int caretRow() const;
    // A load, save or add runs, or a drop is being handled.
    bool busy() const;

    QTableView& list() { return list_; }
    QMenu& contextMenu() { return menu_; }
    QToolButton& saveButton() { return save_; }
    QToolButton& closeButton() { return close_; }

Q_SIGNALS:
    // Close hid the window: the main window draws its dictionary button off.
    void closed();
    // Rows were loaded, added, edited, renamed or deleted.
    void rowsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildList();
    void buildMenu();
    void buildButton(QToolButton& button, const QIcon& icon, const QString& tip);
    void applyLayout();
    void applyMinimumSize();
    void closeCommand();
    // A key in the list: true when it was used or passed on.
    bool listKey(QKeyEvent* event);
    bool moveAsRows(QKeyEvent* event);
    void forwardKey(QKeyEvent* event);

    DictionaryStore& store_;
    UiService& ui_;
    DictionaryTableModel model_;
    QTableView list_;
    QToolButton save_;
    QToolButton close_;
    QMenu menu_;
    WindowFader fader_;
    bool fadingOut_ = false;
    bool dropping_ = false;
    QPointer<QWidget> keyTarget_;
};
