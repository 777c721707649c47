#pragma once

#include <QDialog>
#include <QTimer>
#include <array>

#include <memory>

#include "batchtagger/batch_file_list.h"
#include "batchtagger/batch_tag_table_model.h"
#include "batchtagger/batch_tag_writer.h"
#include "batchtagger/write_planner.h"
#include "tagjournal/tag_journal.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class QTextBrowser;
class UiService;

// Marlowisp's window: the table of the listed MP3 files, the seven fields with
// their Change boxes, the buttons, the preview of a Write and the status line.
// The work is done by BatchFileList, BatchTagTableModel, BatchTagWriter and
// WritePlanner; this class only moves values between them and the controls.
//
// Child widgets carry object names (fileList, titleEdit, titleChange, ...,
// genreList, writeButton, previewPane, statusLine) so tests can drive them.
class CMarlowispDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kStatusDelayMs = 1000;
    // The preview shows at most this many of the selected files.
    static constexpr int kPreviewLimit = 50;
    // The item of the code-page list that writes each file in its own code page.
    static constexpr int kAsDetectedItem = 5;

    // ui shows the file dialogs; without one the dialog makes its own. Every Write
    // and Remove is kept in the undo journal in journalFolder.
    explicit CMarlowispDlg(QWidget* parent = nullptr, UiService* ui = nullptr,
                           const std::string& journalFolder = TagJournal::defaultFolder());
    ~CMarlowispDlg() override;

    // What a drop of these local paths does (also the paths of the command line).
    void addDroppedPaths(const QStringList& paths);

    // What a Write would be asked to do now, and the plans of the selected files
    // (at most limit of them) that the preview shows.
    WriteRequest writeRequest() const;
    std::vector<FilePlan> previewPlans(int limit);

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
    void keepOnScreen();
    void onSelectionChanged();
    void onCodePageChanged(int item);
    // Shows the tag of the one selected file; empty fields when not exactly one is.
    void showSelectedFile(BatchTagWriter::Marker marker);
    // The listed files in the folder of path, whose tags vote on its code page.
    QStringList folderFilesOf(const QString& path) const;
    void onDoubleClicked();
    void deleteSelectedItems();
    void runBatch(Batch batch);
    // Writes one file as planned; false when it could not be written.
    bool writeOne(const QString& path, const WriteRequest& request, bool& wrote);
    // Puts back the files of the journal's last run.
    void undoLastWrite();
    void addFiles();
    void addFolder();
    void schedulePreview();
    void updatePreview();
    // A new action begins: a held status message gives way.
    void releaseStatus();
    void toggleTicks();
    void showAbout();

    // Replaces the list's items by the file list's, keeping the selected paths
    // selected, without treating it as the user's selection change.
    void refreshList();
    QList<int> selectedRows() const;
    QLineEdit* fieldEdit(TagField field) const;
    void showFields(const TagFields& fields);
    TagFields fieldsShown() const;
    FieldTicks ticks() const;
    void showStatus(const QString& text);
    // A message that stays until the next action.
    void holdStatus(const QString& text, const QStringList& details);

    std::unique_ptr<UiService> ownUi_;
    UiService* ui_ = nullptr;
    BatchFileList files_;
    BatchTagTableModel table_;
    BatchTagWriter writer_;
    WritePlanner planner_;
    TagJournal journal_;
    bool statusHeld_ = false;
    QString lastFolder_;
    bool changingSelection_ = false;
    // The user has typed or chosen in the fields since they were last filled.
    bool fieldsEdited_ = false;

    QTableView* fileList_ = nullptr;
    std::array<QLineEdit*, kTagFieldCount> edits_{};  // none for the genre
    QComboBox* genreList_ = nullptr;
    std::array<QCheckBox*, kTagFieldCount> changeBoxes_{};
    QPushButton* writeButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QPushButton* selAllButton_ = nullptr;
    QComboBox* codePageList_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    QPushButton* addFilesButton_ = nullptr;
    QPushButton* addFolderButton_ = nullptr;
    QPushButton* undoButton_ = nullptr;
    QPushButton* previewButton_ = nullptr;
    QCheckBox* convertBox_ = nullptr;
    QTextBrowser* previewPane_ = nullptr;
    QTimer previewTimer_;
    QLineEdit* statusLine_ = nullptr;
    QLineEdit* statusBox_ = nullptr;
    QMenu* systemMenu_ = nullptr;
    QTimer statusTimer_;
};
