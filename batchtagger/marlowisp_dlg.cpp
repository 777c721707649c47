#include "batchtagger/marlowisp_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QItemSelection>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableView>
#include <QTextBrowser>
#include <QUrl>
#include <algorithm>

#include "batchtagger/batch_report.h"
#include "batchtagger/file_table_view.h"
#include "batchtagger/preview_html.h"
#include "batchtagger/program_icon.h"
#include "jukebox/common/path_functions.h"
#include "jukebox/ui/qt_ui_service.h"

namespace {

const char16_t* const kStatusIdle = u"Marlowisp 3.60";

struct FieldRow {
    const char* label;  // translated where shown
    const char* name;   // object-name stem
};
constexpr std::array<FieldRow, kTagFieldCount> kFieldRows = {{
    {QT_TRANSLATE_NOOP("CMarlowispDlg", "Title:"), "title"},
    {QT_TRANSLATE_NOOP("CMarlowispDlg", "Artist:"), "artist"},
    {QT_TRANSLATE_NOOP("CMarlowispDlg", "Album:"), "album"},
    {QT_TRANSLATE_NOOP("CMarlowispDlg", "Year:"), "year"},
    {QT_TRANSLATE_NOOP("CMarlowispDlg", "Comment:"), "comment"},
    {QT_TRANSLATE_NOOP("CMarlowispDlg", "Track:"), "track"},
    {QT_TRANSLATE_NOOP("CMarlowispDlg", "Genre:"), "genre"},
}};

QString childName(const char* stem, const char* suffix) {
    return QString::fromLatin1(stem) + QString::fromLatin1(suffix);
}

// The local paths of a drag, or none when it carries no files.
QStringList localPaths(const QMimeData* data) {
    QStringList paths;
    if (data == nullptr || !data->hasUrls()) {
        return paths;
    }
    for (const QUrl& url : data->urls()) {
        QString path = LocalPathOfUrl(url);
        if (!path.isEmpty()) {
            paths.append(path);
        }
    }
    return paths;
}

// Accepts a drag of local files as a copy: a file manager that was told "moved"
// could remove the files it dragged.
bool acceptFiles(QDropEvent* event) {
    if (localPaths(event->mimeData()).isEmpty() || !(event->possibleActions() & Qt::CopyAction)) {
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

QPushButton* makeButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    // Return in an edit must not start a write.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CMarlowispDlg::CMarlowispDlg(QWidget* parent, UiService* ui, const std::string& journalFolder)
    : QDialog(parent), ui_(ui), journal_(journalFolder) {
    // Nothing is written or removed unless the journal has kept what it changes.
    writer_.setBeforeChange(journal_.recorder());
    planner_.setBeforeChange(journal_.recorder());
    if (ui_ == nullptr) {
        ownUi_ = std::make_unique<QtUiService>(this);
        ui_ = ownUi_.get();
    }
    setObjectName(QStringLiteral("marlowispDlg"));
    setWindowTitle(QStringLiteral("Marlowisp"));
    setWindowIcon(MarlowispIcon());
    setAcceptDrops(true);
    buildControls();
    buildSystemMenu();

    statusTimer_.setInterval(kStatusDelayMs);
    connect(&statusTimer_, &QTimer::timeout, this, [this] {
        if (!statusHeld_) {
            statusLine_->setText(QString::fromUtf16(kStatusIdle));
            statusLine_->setToolTip({});
        }
    });
    statusTimer_.start();
    previewTimer_.setSingleShot(true);
    previewTimer_.setInterval(0);
    connect(&previewTimer_, &QTimer::timeout, this, &CMarlowispDlg::updatePreview);
}

CMarlowispDlg::~CMarlowispDlg() = default;

// One grid holds everything, so the fields, the buttons and the status line
// share their edges: column 0 the labels, 1 the inputs, 2 the Change boxes, 4 the
// buttons; column 3 is the gap before the buttons.
void CMarlowispDlg::buildControls() {
    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(3, 12);
    // The dialog keeps the size its contents ask for.
    grid->setSizeConstraint(QLayout::SetFixedSize);

    addFilesButton_ = makeButton(QCoreApplication::translate("CMarlowispDlg", "Add Files..."),
                                 "addFilesButton", this);
    addFolderButton_ = makeButton(QCoreApplication::translate("CMarlowispDlg", "Add Folder..."),
                                  "addFolderButton", this);
    connect(addFilesButton_, &QPushButton::clicked, this, &CMarlowispDlg::addFiles);
    connect(addFolderButton_, &QPushButton::clicked, this, &CMarlowispDlg::addFolder);
    undoButton_ = makeButton(QCoreApplication::translate("CMarlowispDlg", "Undo last write"),
                             "undoButton", this);
    undoButton_->setToolTip(QCoreApplication::translate(
        "CMarlowispDlg",
        "Put back the bytes the last Write or Remove changed, also after a restart"));
    connect(undoButton_, &QPushButton::clicked, this, &CMarlowispDlg::undoLastWrite);
    auto* inputs = new QHBoxLayout;
    inputs->addWidget(addFilesButton_);
    inputs->addWidget(addFolderButton_);
    inputs->addStretch(1);
    inputs->addWidget(undoButton_);
    grid->addLayout(inputs, 0, 0, 1, 5);

    fileList_ = MakeFileTableView(&table_, this);
    fileList_->setMinimumSize(960, 300);
    fileList_->installEventFilter(this);
    connect(fileList_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CMarlowispDlg::onSelectionChanged);
    connect(fileList_, &QTableView::doubleClicked, this, &CMarlowispDlg::onDoubleClicked);
    grid->addWidget(fileList_, 1, 0, 1, 5);

    QList<QWidget*> tabOrder{fileList_};
    buildFieldRows(grid, 2, tabOrder);
    buildButtons(grid, 2, tabOrder);
    tabOrder << addFilesButton_ << addFolderButton_ << undoButton_;

    statusLine_ = new QLineEdit(this);
    statusLine_->setObjectName(QStringLiteral("statusLine"));
    statusBox_ = new QLineEdit(this);
    statusBox_->setObjectName(QStringLiteral("statusBox"));
    for (QLineEdit* box : {statusLine_, statusBox_}) {
        box->setReadOnly(true);
        box->setAcceptDrops(false);
        box->setFocusPolicy(Qt::ClickFocus);
    }
    previewPane_ = new QTextBrowser(this);
    previewPane_->setObjectName(QStringLiteral("previewPane"));
    previewPane_->setMinimumHeight(230);
    previewPane_->setFocusPolicy(Qt::ClickFocus);
    previewPane_->setAcceptDrops(false);
    previewPane_->hide();
    int previewRow = 2 + kTagFieldCount;
    grid->addWidget(previewPane_, previewRow, 0, 1, 5);

    int statusRow = previewRow + 1;
    grid->addWidget(statusLine_, statusRow, 0, 1, 3);
    grid->addWidget(statusBox_, statusRow, 4);

    for (qsizetype i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }
}

void CMarlowispDlg::buildFieldRows(QGridLayout* grid, int firstRow, QList<QWidget*>& tabOrder) {
    for (int field = 0; field < kTagFieldCount; ++field) {
        const FieldRow& rowInfo = kFieldRows[static_cast<size_t>(field)];
        bool isYear = field == static_cast<int>(TagField::Year);
        bool isTrack = field == static_cast<int>(TagField::Track);
        bool isGenre = field == static_cast<int>(TagField::Genre);
        QWidget* input = nullptr;
        if (isGenre) {
            genreList_ = new QComboBox(this);
            genreList_->setObjectName(QStringLiteral("genreList"));
            genreList_->addItems(BatchTagWriter::genreItems());
            genreList_->setMaxVisibleItems(16);
            genreList_->setCurrentIndex(-1);
            connect(genreList_, &QComboBox::activated, this, [this] {
                fieldsEdited_ = true;
                schedulePreview();
            });
            input = genreList_;
        } else {
            auto* edit = new QLineEdit(this);
            edit->setObjectName(childName(rowInfo.name, "Edit"));
            edit->setMaxLength(isYear    ? BatchTagWriter::kYearLimit
                               : isTrack ? 3
                                         : BatchTagWriter::kTextLimit);
            if (isTrack) {
                edit->setValidator(new QIntValidator(0, 255, edit));
                edit->setToolTip(QCoreApplication::translate(
                    "CMarlowispDlg", "Track number, 1 to 255; empty or 0 for none"));
            }
            // Drops anywhere on the window are files for the list, not text.
            edit->setAcceptDrops(false);
            connect(edit, &QLineEdit::textEdited, this, [this] {
                fieldsEdited_ = true;
                schedulePreview();
            });
            edits_[static_cast<size_t>(field)] = edit;
            input = edit;
        }
        // The year and the genre do not need the width of a 30-character text.
        if (isYear || isTrack) {
            input->setFixedWidth(input->fontMetrics().horizontalAdvance(u'0') * 6 + 16);
        } else if (isGenre) {
            input->setFixedWidth(200);
        }
        auto* label = new QLabel(QCoreApplication::translate("CMarlowispDlg", rowInfo.label), this);
        label->setBuddy(input);
        auto* change = new QCheckBox(this);
        change->setObjectName(childName(rowInfo.name, "Change"));
        change->setToolTip(QCoreApplication::translate("CMarlowispDlg", "Write this field"));
        changeBoxes_[static_cast<size_t>(field)] = change;
        connect(change, &QCheckBox::toggled, this, &CMarlowispDlg::schedulePreview);

        int row = firstRow + field;
        grid->addWidget(label, row, 0);
        grid->addWidget(input, row, 1,
                        (isYear || isTrack || isGenre) ? Qt::AlignLeft : Qt::Alignment());
        grid->addWidget(change, row, 2);
        tabOrder << input << change;
    }
}

void CMarlowispDlg::buildButtons(QGridLayout* grid, int firstRow, QList<QWidget*>& tabOrder) {
    writeButton_ =
        makeButton(QCoreApplication::translate("CMarlowispDlg", "Write"), "writeButton", this);
    removeButton_ =
        makeButton(QCoreApplication::translate("CMarlowispDlg", "Remove"), "removeButton", this);
    selAllButton_ =
        makeButton(QCoreApplication::translate("CMarlowispDlg", "Sel All"), "selAllButton", this);
    codePageList_ = new QComboBox(this);
    codePageList_->setObjectName(QStringLiteral("codePageList"));
    codePageList_->addItems(BatchTagWriter::codePageItems());
    codePageList_->addItem(QCoreApplication::translate("CMarlowispDlg", "As detected"));
    codePageList_->setItemData(
        kAsDetectedItem,
        QCoreApplication::translate("CMarlowispDlg", "Each file in the code page its text is in"),
        Qt::ToolTipRole);
    codePageList_->setCurrentIndex(0);
    convertBox_ =
        new QCheckBox(QCoreApplication::translate("CMarlowispDlg", "Convert all text"), this);
    convertBox_->setObjectName(QStringLiteral("convertBox"));
    convertBox_->setToolTip(QCoreApplication::translate(
        "CMarlowispDlg", "Write every text field in the chosen code page, as it reads now"));
    connect(convertBox_, &QCheckBox::toggled, this, &CMarlowispDlg::schedulePreview);
    previewButton_ =
        makeButton(QCoreApplication::translate("CMarlowispDlg", "Preview"), "previewButton", this);
    previewButton_->setCheckable(true);
    connect(previewButton_, &QPushButton::toggled, this, [this](bool on) {
        previewPane_->setVisible(on);
        schedulePreview();
        // The window grows downwards by the preview: keep its bottom on the screen.
        layout()->activate();
        keepOnScreen();
    });
    exitButton_ =
        makeButton(QCoreApplication::translate("CMarlowispDlg", "Exit"), "exitButton", this);
    connect(writeButton_, &QPushButton::clicked, this, [this] { runBatch(Batch::Write); });
    connect(removeButton_, &QPushButton::clicked, this, [this] { runBatch(Batch::Remove); });
    connect(selAllButton_, &QPushButton::clicked, this, &CMarlowispDlg::toggleTicks);
    connect(codePageList_, &QComboBox::currentIndexChanged, this,
            &CMarlowispDlg::onCodePageChanged);
    connect(exitButton_, &QPushButton::clicked, this, &QDialog::reject);

    // Write, Remove, Sel All and the code page from the top; Exit level with the
    // last field.
    const QList<QWidget*> column{writeButton_,  removeButton_, selAllButton_,
                                 codePageList_, convertBox_,   previewButton_};
    for (qsizetype i = 0; i < column.size(); ++i) {
        grid->addWidget(column[i], firstRow + static_cast<int>(i), 4);
    }
    grid->addWidget(exitButton_, firstRow + kTagFieldCount - 1, 4);
    tabOrder << column << exitButton_;
}

void CMarlowispDlg::keepOnScreen() {
    if (screen() == nullptr) {
        return;
    }
    QRect area = screen()->availableGeometry();
    QRect frame = frameGeometry();
    int over = frame.bottom() - area.bottom();
    if (over > 0) {
        move(x(), std::max(area.top(), frame.top() - over));
    }
}

void CMarlowispDlg::buildSystemMenu() {
    systemMenu_ = new QMenu(this);
    systemMenu_->setObjectName(QStringLiteral("systemMenu"));
    QAction* close = systemMenu_->addAction(QCoreApplication::translate("CMarlowispDlg", "&Close"),
                                            this, &QDialog::reject);
    close->setObjectName(QStringLiteral("closeAction"));
    systemMenu_->addSeparator();
    QAction* about =
        systemMenu_->addAction(QCoreApplication::translate("CMarlowispDlg", "&About Marlowisp..."),
                               this, &CMarlowispDlg::showAbout);
    about->setObjectName(QStringLiteral("aboutAction"));
}

void CMarlowispDlg::contextMenuEvent(QContextMenuEvent* event) {
    systemMenu_->popup(event->globalPos());
    event->accept();
}

void CMarlowispDlg::showAbout() {
    // Opened, not executed: the dialog stays blocked while the box is up, but no
    // caller waits in a nested event loop.
    auto* box = new QMessageBox(this);
    box->setObjectName(QStringLiteral("aboutBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(QCoreApplication::translate("CMarlowispDlg", "About Marlowisp"));
    box->setText(QStringLiteral("Marlowisp Version 3.40"));
    box->setIconPixmap(windowIcon().pixmap(32, 32));
    box->setStandardButtons(QMessageBox::Ok);
    box->open();
}

void CMarlowispDlg::dragEnterEvent(QDragEnterEvent* event) {
    acceptFiles(event);
}

void CMarlowispDlg::dragMoveEvent(QDragMoveEvent* event) {
    acceptFiles(event);
}

void CMarlowispDlg::dropEvent(QDropEvent* event) {
    if (acceptFiles(event)) {
        addDroppedPaths(localPaths(event->mimeData()));
    }
}

void CMarlowispDlg::addDroppedPaths(const QStringList& paths) {
    releaseStatus();
    if (files_.addPaths(paths) > 0) {
        refreshList();
    }
}

void CMarlowispDlg::addFiles() {
    releaseStatus();
    QStringList chosen = ui_->openFileNames(
        QCoreApplication::translate("CMarlowispDlg", "Add Files"), lastFolder_,
        QCoreApplication::translate("CMarlowispDlg", "MP3 files (*.mp3 *.MP3);;All files (*)"));
    if (!chosen.isEmpty()) {
        lastFolder_ = FolderPart(chosen.constFirst());
        addDroppedPaths(chosen);
    }
}

void CMarlowispDlg::addFolder() {
    releaseStatus();
    QString folder = ui_->openFolderName(QCoreApplication::translate("CMarlowispDlg", "Add Folder"),
                                         lastFolder_);
    if (!folder.isEmpty()) {
        lastFolder_ = folder;
        addDroppedPaths({folder});
    }
}

bool CMarlowispDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fileList_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        deleteSelectedItems();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

QList<int> CMarlowispDlg::selectedRows() const {
    QList<int> rows;
    const QModelIndexList indexes = fileList_->selectionModel()->selectedRows();
    rows.reserve(indexes.size());
    for (const QModelIndex& index : indexes) {
        rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CMarlowispDlg::refreshList() {
    writer_.forgetVotes();
    QStringList selected;
    for (int row : selectedRows()) {
        selected.append(table_.pathAt(row));
    }
    changingSelection_ = true;
    table_.setPaths(files_.paths());
    QItemSelection selection;
    for (const QString& path : selected) {
        int row = table_.rowOf(path);
        if (row >= 0) {
            selection.select(table_.index(row, 0),
                             table_.index(row, BatchTagTableModel::kColumnCount - 1));
        }
    }
    fileList_->selectionModel()->select(selection, QItemSelectionModel::Select);
    changingSelection_ = false;
    schedulePreview();
}

void CMarlowispDlg::onSelectionChanged() {
    if (!changingSelection_) {
        releaseStatus();
        showSelectedFile(BatchTagWriter::Marker::Follow);
    }
    schedulePreview();
}

void CMarlowispDlg::onCodePageChanged(int item) {
    releaseStatus();
    writer_.setCodePageItem(item);
    // The tag is shown again in the chosen code page, which is why a user picks
    // another one while looking at a file; but what the user typed since the tag
    // was shown is theirs to write, and a redraw would throw it away.
    if (!fieldsEdited_ && selectedRows().size() == 1) {
        showSelectedFile(item == kAsDetectedItem ? BatchTagWriter::Marker::Follow
                                                 : BatchTagWriter::Marker::Ignore);
    }
    schedulePreview();
}

void CMarlowispDlg::showSelectedFile(BatchTagWriter::Marker marker) {
    QList<int> rows = selectedRows();
    if (rows.size() != 1) {
        showFields(TagFields{});
        return;
    }
    QString path = table_.pathAt(rows.constFirst());
    TagFields fields;
    if (writer_.readFile(path, fields, marker, folderFilesOf(path))) {
        showFields(fields);
        // A marker or the text chose the code page: the list shows it, and writes
        // use it; "As detected" already says so for every file.
        if (codePageList_->currentIndex() != kAsDetectedItem) {
            QSignalBlocker quiet(codePageList_);
            codePageList_->setCurrentIndex(BatchTagWriter::itemForCodePage(writer_.codePage()));
        }
    } else {
        // The fields keep what they showed; say why they do not change.
        showStatus(QCoreApplication::translate("CMarlowispDlg", "Cannot open %1").arg(path));
        statusTimer_.start();
    }
}

QStringList CMarlowispDlg::folderFilesOf(const QString& path) const {
    QString folder = path.left(path.lastIndexOf(u'/') + 1);
    QStringList files;
    for (const QString& item : files_.paths()) {
        if (item.startsWith(folder) && item.indexOf(u'/', folder.size()) < 0) {
            files.append(item);
        }
    }
    return files;
}

void CMarlowispDlg::onDoubleClicked() {
    changingSelection_ = true;
    fileList_->selectAll();
    changingSelection_ = false;
    showFields(TagFields{});
    schedulePreview();
}

void CMarlowispDlg::deleteSelectedItems() {
    QList<int> rows = selectedRows();
    if (rows.isEmpty()) {
        return;
    }
    releaseStatus();
    QList<int> listRows;
    for (int row : rows) {
        listRows.append(files_.rowOf(table_.pathAt(row)));
    }
    files_.removeRows(listRows);
    refreshList();
    // The row now at the place of the first removed one, or the last row.
    int next = std::min(rows.constFirst(), table_.rowCount() - 1);
    changingSelection_ = true;
    if (next >= 0) {
        fileList_->selectionModel()->setCurrentIndex(
            table_.index(next, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    changingSelection_ = false;
    // The fields must show the file now selected (or nothing): left showing the
    // removed file, a Write would copy its tag into the next one.
    showSelectedFile(BatchTagWriter::Marker::Follow);
}

WriteRequest CMarlowispDlg::writeRequest() const {
    WriteRequest request;
    request.fields = fieldsShown();
    request.ticks = ticks();
    request.codePage = codePageList_->currentIndex() == kAsDetectedItem ? WriteRequest::kAsDetected
                                                                        : writer_.codePage();
    request.convertText = convertBox_->isChecked();
    return request;
}

std::vector<FilePlan> CMarlowispDlg::previewPlans(int limit) {
    std::vector<FilePlan> plans;
    WriteRequest request = writeRequest();
    for (int row : selectedRows()) {
        if (static_cast<int>(plans.size()) >= limit) {
            break;
        }
        plans.push_back(planner_.plan(table_.pathAt(row), request));
    }
    return plans;
}

void CMarlowispDlg::schedulePreview() {
    if (previewButton_ != nullptr && previewButton_->isChecked()) {
        previewTimer_.start();
    }
}

void CMarlowispDlg::updatePreview() {
    if (!previewButton_->isChecked()) {
        return;
    }
    std::vector<FilePlan> plans = previewPlans(kPreviewLimit);
    int more = static_cast<int>(selectedRows().size()) - static_cast<int>(plans.size());
    int scroll = previewPane_->verticalScrollBar()->value();
    previewPane_->setHtml(PreviewHtml(plans, more));
    previewPane_->verticalScrollBar()->setValue(scroll);
}

bool CMarlowispDlg::writeOne(const QString& path, const WriteRequest& request, bool& wrote) {
    // The plan the preview shows is the one written.
    FilePlan plan = planner_.plan(path, request);
    wrote = plan.writes;
    return planner_.apply(plan);
}

void CMarlowispDlg::runBatch(Batch batch) {
    releaseStatus();
    QList<int> rows = selectedRows();
    if (rows.isEmpty()) {
        return;
    }
    WriteRequest request = writeRequest();
    // One press is one run of the journal: Undo puts back all of it.
    journal_.beginRun("marlowisp");
    QList<int> failedRows;
    QStringList done;
    int untouched = 0;
    // From the last selected item to the first.
    for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
        const QString path = table_.pathAt(*it);
        showStatus(path);
        bool wrote = true;
        bool ok =
            batch == Batch::Write ? writeOne(path, request, wrote) : writer_.removeTagFrom(path);
        if (!ok) {
            failedRows.prepend(*it);
        } else if (wrote) {
            done.append(path);
        } else {
            ++untouched;
        }
    }
    bool journalKept = journal_.endRun();
    writer_.forgetVotes();
    table_.forget(done);
    if (rows.size() > 1) {
        // Written items are unselected; the ones that failed stay selected so the
        // user can see them and try again.
        changingSelection_ = true;
        QItemSelection selection;
        for (int row : failedRows) {
            selection.select(table_.index(row, 0),
                             table_.index(row, BatchTagTableModel::kColumnCount - 1));
        }
        fileList_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
        changingSelection_ = false;
    }
    BatchOutcome outcome;
    outcome.kind = batch == Batch::Write ? BatchOutcome::Kind::Write : BatchOutcome::Kind::Remove;
    outcome.done = static_cast<int>(done.size());
    outcome.untouched = untouched;
    for (int row : failedRows) {
        outcome.failed.append(table_.pathAt(row));
    }
    outcome.failedStaySelected = rows.size() > 1;
    if (!journal_.lastError().empty() && (!failedRows.isEmpty() || !journalKept)) {
        // Why files were left alone, or why the last run may not be undone.
        outcome.journalError = QString::fromStdString(journal_.lastError());
    }
    BatchReport report = ReportBatch(outcome);
    holdStatus(report.text, report.details);
    schedulePreview();
}

void CMarlowispDlg::undoLastWrite() {
    releaseStatus();
    QStringList restored;
    BatchReport report = ReportUndo(journal_.undoLastRun(), restored);
    holdStatus(report.text, report.details);
    if (restored.isEmpty()) {
        return;
    }
    writer_.forgetVotes();
    table_.forget(restored);
    if (!fieldsEdited_) {
        showSelectedFile(BatchTagWriter::Marker::Follow);
    }
    schedulePreview();
}

void CMarlowispDlg::toggleTicks() {
    releaseStatus();
    FieldTicks next = BatchTagWriter::toggledTicks(ticks());
    for (size_t i = 0; i < changeBoxes_.size(); ++i) {
        changeBoxes_[i]->setChecked(next[i]);
    }
}

QLineEdit* CMarlowispDlg::fieldEdit(TagField field) const {
    return edits_[static_cast<size_t>(field)];
}

void CMarlowispDlg::showFields(const TagFields& fields) {
    fieldsEdited_ = false;
    fieldEdit(TagField::Title)->setText(fields.title);
    fieldEdit(TagField::Artist)->setText(fields.artist);
    fieldEdit(TagField::Album)->setText(fields.album);
    fieldEdit(TagField::Year)->setText(fields.year);
    fieldEdit(TagField::Comment)->setText(fields.comment);
    fieldEdit(TagField::Track)
        ->setText(fields.track > 0 ? QString::number(fields.track) : QString());
    genreList_->setCurrentIndex(fields.genreItem);
    schedulePreview();
}

TagFields CMarlowispDlg::fieldsShown() const {
    TagFields fields;
    fields.title = fieldEdit(TagField::Title)->text();
    fields.artist = fieldEdit(TagField::Artist)->text();
    fields.album = fieldEdit(TagField::Album)->text();
    fields.year = fieldEdit(TagField::Year)->text();
    fields.comment = fieldEdit(TagField::Comment)->text();
    fields.track = fieldEdit(TagField::Track)->text().toInt();
    fields.genreItem = genreList_->currentIndex();
    return fields;
}

FieldTicks CMarlowispDlg::ticks() const {
    FieldTicks result{};
    for (size_t i = 0; i < changeBoxes_.size(); ++i) {
        result[i] = changeBoxes_[i]->isChecked();
    }
    return result;
}

void CMarlowispDlg::showStatus(const QString& text) {
    statusLine_->setText(text);
}

void CMarlowispDlg::holdStatus(const QString& text, const QStringList& details) {
    statusHeld_ = true;
    statusLine_->setText(text);
    statusLine_->setCursorPosition(0);
    statusLine_->setToolTip(details.join(u'\n'));
}

void CMarlowispDlg::releaseStatus() {
    if (statusHeld_) {
        statusHeld_ = false;
        statusTimer_.start();
    }
}
