#pragma once

#include <QDialog>
#include <QTimer>
#include <array>

#include "batchtagger/batch_file_list.h"
#include "batchtagger/batch_tag_writer.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

// Marlowisp's window: the dropped MP3 files, the six fields with their Change
// boxes, the buttons and the status line. The work is done by BatchFileList and
// BatchTagWriter; this class only moves values between them and the controls.
//
// Child widgets carry object names (fileList, titleEdit, titleChange, ...,
// genreList, writeButton, statusLine) so tests can drive them.
class CMarlowispDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kStatusDelayMs = 1000;

    explicit CMarlowispDlg(QWidget* parent = nullptr);

    // What a drop of these local paths does.
    void addDroppedPaths(const QStringList& paths);

    // The stand-in for the window's system menu (right button on the dialog).
    QMenu* systemMenu() const { return systemMenu_; }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Batch { Write, Remove };

    void buildControls();
    void buildFieldRows(QGridLayout* grid, int firstRow, QList<QWidget*>& tabOrder);
    void buildButtons(QGridLayout* grid, int firstRow, QList<QWidget*>& tabOrder);
    void buildSystemMenu();
    void onSelectionChanged();
    void onCodePageChanged(int item);
    // Shows the tag of the one selected file; empty fields when not exactly one is.
    void showSelectedFile(BatchTagWriter::Marker marker);
    // The listed files in the folder of path, whose tags vote on its code page.
    QStringList folderFilesOf(const QString& path) const;
    void onDoubleClicked();
    void deleteSelectedItems();
    void runBatch(Batch batch);
    void toggleTicks();
    void showAbout();

    // Replaces the list's items by the file list's, keeping the selected paths
    // selected, without treating it as the user's selection change.
    void refreshList();
    QList<int> selectedRows() const;
    void showFields(const TagFields& fields);
    TagFields fieldsShown() const;
    FieldTicks ticks() const;
    void showStatus(const QString& text);

    BatchFileList files_;
    BatchTagWriter writer_;
    bool changingSelection_ = false;
    // The user has typed or chosen in the fields since they were last filled.
    bool fieldsEdited_ = false;

    QListWidget* fileList_ = nullptr;
    std::array<QLineEdit*, 5> edits_{};
    QComboBox* genreList_ = nullptr;
    std::array<QCheckBox*, kTagFieldCount> changeBoxes_{};
    QPushButton* writeButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QPushButton* selAllButton_ = nullptr;
    QComboBox* codePageList_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    QLineEdit* statusLine_ = nullptr;
    QLineEdit* statusBox_ = nullptr;
    QMenu* systemMenu_ = nullptr;
    QTimer statusTimer_;
};
