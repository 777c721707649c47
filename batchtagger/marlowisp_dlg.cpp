#include "batchtagger/marlowisp_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QItemSelection>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalBlocker>
#include <QUrl>
#include <algorithm>

#include "batchtagger/program_icon.h"
#include "jukebox/common/path_functions.h"

namespace {

const char16_t* const kStatusIdle = u"Marlowisp 3.60";

struct FieldRow {
    const char16_t* label;
    const char* name;  // object-name stem
};
constexpr std::array<FieldRow, kTagFieldCount> kFieldRows = {{
    {u"Title:", "title"},
    {u"Artist:", "artist"},
    {u"Album:", "album"},
    {u"Year:", "year"},
    {u"Comment:", "comment"},
    {u"Genre:", "genre"},
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

// "Cannot write a.mp3", or "Cannot write a.mp3 and 2 more (left selected)".
QString failureText(const QString& verb, const QStringList& failed) {
    QString text = verb + u' ' + failed.constFirst();
    if (failed.size() > 1) {
        text += QStringLiteral(" and %1 more (left selected)").arg(failed.size() - 1);
    }
    return text;
}

}  // namespace

CMarlowispDlg::CMarlowispDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("marlowispDlg"));
    setWindowTitle(QStringLiteral("Marlowisp"));
    setWindowIcon(MarlowispIcon());
    setAcceptDrops(true);
    buildControls();
    buildSystemMenu();

    statusTimer_.setInterval(kStatusDelayMs);
    connect(&statusTimer_, &QTimer::timeout, this,
            [this] { statusLine_->setText(QString::fromUtf16(kStatusIdle)); });
    statusTimer_.start();
}

// One grid holds everything, so the fields, the buttons and the status line
// share their edges: column 0 the labels, 1 the inputs, 2 the Change boxes, 4 the
// buttons; column 3 is the gap before the buttons.
void CMarlowispDlg::buildControls() {
    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(3, 12);
    // The dialog keeps the size its contents ask for.
    grid->setSizeConstraint(QLayout::SetFixedSize);

    fileList_ = new QListWidget(this);
    fileList_->setObjectName(QStringLiteral("fileList"));
    fileList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    fileList_->setMinimumSize(560, 200);
    fileList_->installEventFilter(this);
    connect(fileList_, &QListWidget::itemSelectionChanged, this,
            &CMarlowispDlg::onSelectionChanged);
    connect(fileList_, &QListWidget::itemDoubleClicked, this, &CMarlowispDlg::onDoubleClicked);
    grid->addWidget(fileList_, 0, 0, 1, 5);

    QList<QWidget*> tabOrder{fileList_};
    buildFieldRows(grid, 1, tabOrder);
    buildButtons(grid, 1, tabOrder);

    statusLine_ = new QLineEdit(this);
    statusLine_->setObjectName(QStringLiteral("statusLine"));
    statusBox_ = new QLineEdit(this);
    statusBox_->setObjectName(QStringLiteral("statusBox"));
    for (QLineEdit* box : {statusLine_, statusBox_}) {
        box->setReadOnly(true);
        box->setAcceptDrops(false);
        box->setFocusPolicy(Qt::ClickFocus);
    }
    int statusRow = 1 + kTagFieldCount;
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
        bool isGenre = field == static_cast<int>(TagField::Genre);
        QWidget* input = nullptr;
        if (isGenre) {
            genreList_ = new QComboBox(this);
            genreList_->setObjectName(QStringLiteral("genreList"));
            genreList_->addItems(BatchTagWriter::genreItems());
            genreList_->setMaxVisibleItems(16);
            genreList_->setCurrentIndex(-1);
            connect(genreList_, &QComboBox::activated, this, [this] { fieldsEdited_ = true; });
            input = genreList_;
        } else {
            auto* edit = new QLineEdit(this);
            edit->setObjectName(childName(rowInfo.name, "Edit"));
            edit->setMaxLength(isYear ? BatchTagWriter::kYearLimit : BatchTagWriter::kTextLimit);
            // Drops anywhere on the window are files for the list, not text.
            edit->setAcceptDrops(false);
            connect(edit, &QLineEdit::textEdited, this, [this] { fieldsEdited_ = true; });
            edits_[static_cast<size_t>(field)] = edit;
            input = edit;
        }
        // The year and the genre do not need the width of a 30-character text.
        if (isYear) {
            input->setFixedWidth(input->fontMetrics().horizontalAdvance(u'0') * 6 + 16);
        } else if (isGenre) {
            input->setFixedWidth(200);
        }
        auto* label = new QLabel(QString::fromUtf16(rowInfo.label), this);
        label->setBuddy(input);
        auto* change = new QCheckBox(this);
        change->setObjectName(childName(rowInfo.name, "Change"));
        change->setToolTip(QStringLiteral("Write this field"));
        changeBoxes_[static_cast<size_t>(field)] = change;

        int row = firstRow + field;
        grid->addWidget(label, row, 0);
        grid->addWidget(input, row, 1, (isYear || isGenre) ? Qt::AlignLeft : Qt::Alignment());
        grid->addWidget(change, row, 2);
        tabOrder << input << change;
    }
}

void CMarlowispDlg::buildButtons(QGridLayout* grid, int firstRow, QList<QWidget*>& tabOrder) {
    writeButton_ = makeButton(QStringLiteral("Write"), "writeButton", this);
    removeButton_ = makeButton(QStringLiteral("Remove"), "removeButton", this);
    selAllButton_ = makeButton(QStringLiteral("Sel All"), "selAllButton", this);
    codePageList_ = new QComboBox(this);
    codePageList_->setObjectName(QStringLiteral("codePageList"));
    codePageList_->addItems(BatchTagWriter::codePageItems());
    codePageList_->setCurrentIndex(0);
    exitButton_ = makeButton(QStringLiteral("Exit"), "exitButton", this);
    connect(writeButton_, &QPushButton::clicked, this, [this] { runBatch(Batch::Write); });
    connect(removeButton_, &QPushButton::clicked, this, [this] { runBatch(Batch::Remove); });
    connect(selAllButton_, &QPushButton::clicked, this, &CMarlowispDlg::toggleTicks);
    connect(codePageList_, &QComboBox::currentIndexChanged, this,
            &CMarlowispDlg::onCodePageChanged);
    connect(exitButton_, &QPushButton::clicked, this, &QDialog::reject);

    // Write, Remove, Sel All and the code page from the top; Exit level with the
    // last field.
    const QList<QWidget*> column{writeButton_, removeButton_, selAllButton_, codePageList_};
    for (qsizetype i = 0; i < column.size(); ++i) {
        grid->addWidget(column[i], firstRow + static_cast<int>(i), 4);
    }
    grid->addWidget(exitButton_, firstRow + kTagFieldCount - 1, 4);
    tabOrder << column << exitButton_;
}

void CMarlowispDlg::buildSystemMenu() {
    systemMenu_ = new QMenu(this);
    systemMenu_->setObjectName(QStringLiteral("systemMenu"));
    QAction* close = systemMenu_->addAction(QStringLiteral("&Close"), this, &QDialog::reject);
    close->setObjectName(QStringLiteral("closeAction"));
    systemMenu_->addSeparator();
    QAction* about = systemMenu_->addAction(QStringLiteral("&About Marlowisp..."), this,
                                            &CMarlowispDlg::showAbout);
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
    box->setWindowTitle(QStringLiteral("About Marlowisp"));
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
    if (files_.addPaths(paths) > 0) {
        refreshList();
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
        selected.append(fileList_->item(row)->text());
    }
    changingSelection_ = true;
    fileList_->clear();
    fileList_->addItems(files_.paths());
    QItemSelection selection;
    for (const QString& path : selected) {
        int row = files_.rowOf(path);
        if (row >= 0) {
            QModelIndex index = fileList_->model()->index(row, 0);
            selection.select(index, index);
        }
    }
    fileList_->selectionModel()->select(selection, QItemSelectionModel::Select);
    changingSelection_ = false;
}

void CMarlowispDlg::onSelectionChanged() {
    if (!changingSelection_) {
        showSelectedFile(BatchTagWriter::Marker::Follow);
    }
}

void CMarlowispDlg::onCodePageChanged(int item) {
    writer_.setCodePageItem(item);
    // The tag is shown again in the chosen code page, which is why a user picks
    // another one while looking at a file; but what the user typed since the tag
    // was shown is theirs to write, and a redraw would throw it away.
    if (!fieldsEdited_ && selectedRows().size() == 1) {
        showSelectedFile(BatchTagWriter::Marker::Ignore);
    }
}

void CMarlowispDlg::showSelectedFile(BatchTagWriter::Marker marker) {
    QList<int> rows = selectedRows();
    if (rows.size() != 1) {
        showFields(TagFields{});
        return;
    }
    QString path = fileList_->item(rows.constFirst())->text();
    TagFields fields;
    if (writer_.readFile(path, fields, marker, folderFilesOf(path))) {
        showFields(fields);
        // A marker or the text chose the code page: the list shows it, and writes
        // use it.
        QSignalBlocker quiet(codePageList_);
        codePageList_->setCurrentIndex(BatchTagWriter::itemForCodePage(writer_.codePage()));
    } else {
        // The fields keep what they showed; say why they do not change.
        showStatus(QStringLiteral("Cannot open ") + path);
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
}

void CMarlowispDlg::deleteSelectedItems() {
    QList<int> rows = selectedRows();
    if (rows.isEmpty()) {
        return;
    }
    int next = files_.removeRows(rows);
    refreshList();
    changingSelection_ = true;
    if (next >= 0) {
        fileList_->setCurrentRow(next, QItemSelectionModel::ClearAndSelect);
    }
    changingSelection_ = false;
    // The fields must show the file now selected (or nothing): left showing the
    // removed file, a Write would copy its tag into the next one.
    showSelectedFile(BatchTagWriter::Marker::Follow);
}

void CMarlowispDlg::runBatch(Batch batch) {
    QList<int> rows = selectedRows();
    if (rows.isEmpty()) {
        return;
    }
    TagFields fields = fieldsShown();
    FieldTicks changes = ticks();
    const QStringList paths = files_.paths();
    QList<int> failedRows;
    // From the last selected item to the first.
    for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
        const QString& path = paths[*it];
        showStatus(path);
        bool done = batch == Batch::Write ? writer_.writeFile(path, fields, changes)
                                          : writer_.removeTagFrom(path);
        if (done) {
            statusTimer_.start();
        } else {
            failedRows.prepend(*it);
        }
    }
    if (rows.size() > 1) {
        // Written items are unselected; the ones that failed stay selected so the
        // user can see them and try again.
        changingSelection_ = true;
        QItemSelection selection;
        for (int row : failedRows) {
            QModelIndex index = fileList_->model()->index(row, 0);
            selection.select(index, index);
        }
        fileList_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
        changingSelection_ = false;
    }
    if (!failedRows.isEmpty()) {
        QStringList failed;
        for (int row : failedRows) {
            failed.append(paths[row]);
        }
        showStatus(failureText(batch == Batch::Write ? QStringLiteral("Cannot write")
                                                     : QStringLiteral("Cannot remove the tag of"),
                               failed));
        statusTimer_.start();
    }
}

void CMarlowispDlg::toggleTicks() {
    FieldTicks next = BatchTagWriter::toggledTicks(ticks());
    for (size_t i = 0; i < changeBoxes_.size(); ++i) {
        changeBoxes_[i]->setChecked(next[i]);
    }
}

void CMarlowispDlg::showFields(const TagFields& fields) {
    fieldsEdited_ = false;
    edits_[static_cast<size_t>(TagField::Title)]->setText(fields.title);
    edits_[static_cast<size_t>(TagField::Artist)]->setText(fields.artist);
    edits_[static_cast<size_t>(TagField::Album)]->setText(fields.album);
    edits_[static_cast<size_t>(TagField::Year)]->setText(fields.year);
    edits_[static_cast<size_t>(TagField::Comment)]->setText(fields.comment);
    genreList_->setCurrentIndex(fields.genreItem);
}

TagFields CMarlowispDlg::fieldsShown() const {
    TagFields fields;
    fields.title = edits_[static_cast<size_t>(TagField::Title)]->text();
    fields.artist = edits_[static_cast<size_t>(TagField::Artist)]->text();
    fields.album = edits_[static_cast<size_t>(TagField::Album)]->text();
    fields.year = edits_[static_cast<size_t>(TagField::Year)]->text();
    fields.comment = edits_[static_cast<size_t>(TagField::Comment)]->text();
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
