#include "jukebox/dictionary_window/dictionary_wnd.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>

#include "jukebox/common/path_functions.h"
#include "jukebox/dictionary/dictionary_store.h"
#include "jukebox/dictionary_window/dictionary_layout.h"
#include "jukebox/dictionary_window/dictionary_pictures.h"
#include "jukebox/dictionary_window/tag_edit_dialog.h"
#include "jukebox/ui/forward_key.h"
#include "jukebox/ui/ui_service.h"
#include "jukebox/ui/wait_cursor.h"
#include "jukebox/ui/window_frame.h"

namespace {

const QString kCloseQuestion = QCoreApplication::translate(
    "CDictionaryWnd", "The dictionary has unsaved changes.\nSave them before closing?");

// The keys the list moves its caret and selection with; every other key it
// does not use is the main window's.
bool isListNavigation(const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        case Qt::Key_A:
            return event->modifiers().testFlag(Qt::ControlModifier);
        default:
            return false;
    }
}

// Keeps a flag set while it lives.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

}  // namespace

CDictionaryWnd::CDictionaryWnd(DictionaryStore& store, UiService& ui, QWidget* parent)
    : QWidget(parent, Qt::Window),
      store_(store),
      ui_(ui),
      model_(store),
      list_(this),
      save_(this),
      close_(this),
      menu_(this),
      fader_(this) {
    buildList();
    buildMenu();
    buildButton(save_, DictionaryPictures::SaveImage(),
                QCoreApplication::translate("CDictionaryWnd", "Save dictionary"));
    buildButton(close_, DictionaryPictures::CloseImage(),
                QCoreApplication::translate("CDictionaryWnd", "Close"));
    connect(&save_, &QToolButton::clicked, this, &CDictionaryWnd::SaveDictionary);
    connect(&close_, &QToolButton::clicked, this, &CDictionaryWnd::closeCommand);
    connect(&model_, &DictionaryTableModel::modifiedStateChanged, this,
            &QWidget::setWindowModified);
    connect(&model_, &QAbstractItemModel::modelReset, this, &CDictionaryWnd::rowsChanged);
    connect(&model_, &QAbstractItemModel::rowsInserted, this, &CDictionaryWnd::rowsChanged);
    connect(&model_, &QAbstractItemModel::rowsRemoved, this, &CDictionaryWnd::rowsChanged);
    connect(&model_, &QAbstractItemModel::dataChanged, this, &CDictionaryWnd::rowsChanged);

    setAcceptDrops(true);
    setWindowTitle(QCoreApplication::translate("CDictionaryWnd", "Mapping Dictionary[*]"));
    setWindowModified(store_.modified());
    setStoredRect(QPoint(10, 10), QSize(400, 250));
}

CDictionaryWnd::~CDictionaryWnd() = default;

void CDictionaryWnd::buildList() {
    list_.setModel(&model_);
    list_.setToolTip(QCoreApplication::translate("CDictionaryWnd", "Entry list"));
    list_.setSelectionBehavior(QAbstractItemView::SelectRows);
    list_.setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Only Rename edits in place, and only the Filename.
    list_.setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_.setShowGrid(false);
    list_.setWordWrap(false);
    list_.setTabKeyNavigation(false);
    list_.setContextMenuPolicy(Qt::CustomContextMenu);
    // Fixed row heights: the view never measures the rows' texts, so 10,000
    // rows lay out at once.
    QHeaderView* rows = list_.verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(list_.fontMetrics().height() + 4);
    QHeaderView* columns = list_.horizontalHeader();
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    for (int column = 0; column < DictionaryColumnCount; ++column) {
        columns->resizeSection(column, DictionaryTableModel::ColumnWidth(column));
    }
    list_.installEventFilter(this);
    connect(&list_, &QTableView::doubleClicked, this, &CDictionaryWnd::EditSelectedEntries);
    connect(&list_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { menu_.popup(list_.viewport()->mapToGlobal(at)); });
}

void CDictionaryWnd::buildMenu() {
    connect(menu_.addAction(QCoreApplication::translate("CDictionaryWnd", "Rename")),
            &QAction::triggered, this, &CDictionaryWnd::RenameCaretRow);
    connect(menu_.addAction(QCoreApplication::translate("CDictionaryWnd", "Edit")),
            &QAction::triggered, this, &CDictionaryWnd::EditSelectedEntries);
    connect(menu_.addAction(QCoreApplication::translate("CDictionaryWnd", "Add")),
            &QAction::triggered, this, &CDictionaryWnd::AddEntry);
    connect(menu_.addAction(QCoreApplication::translate("CDictionaryWnd", "Delete")),
            &QAction::triggered, this, &CDictionaryWnd::DeleteSelected);
}

void CDictionaryWnd::buildButton(QToolButton& button, const QIcon& icon, const QString& tip) {
    button.setIcon(icon);
    button.setIconSize(QSize(DictionaryPictures::kSize, DictionaryPictures::kSize));
    button.setToolTip(tip);
    button.setAutoRaise(true);
    button.setFocusPolicy(Qt::NoFocus);
}

// --- Size and place ---

void CDictionaryWnd::setStoredRect(QPoint pos, QSize size) {
    move(pos);
    resize(size);
}

QRect CDictionaryWnd::storedRect() const {
    return {pos(), size()};
}

void CDictionaryWnd::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applyLayout();
    applyMinimumSize();
}

void CDictionaryWnd::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    applyMinimumSize();
}

void CDictionaryWnd::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    applyMinimumSize();
}

void CDictionaryWnd::applyLayout() {
    const DictionaryLayout::Placement placed = DictionaryLayout::Place(size());
    list_.setGeometry(placed.list);
    save_.setGeometry(placed.save);
    close_.setGeometry(placed.close);
}

// The limit is for the whole window, frame included. The window manager tells
// the frame only some time after the window shows, with a move or a resize;
// until then a stored size below the limit is kept, since a resize as the
// window shows would put its area where its frame was to be.
void CDictionaryWnd::applyMinimumSize() {
    if (!isVisible()) {
        return;
    }
    const QSize limit = MinimumAreaSize(*this, DictionaryLayout::MinimumSize());
    if (minimumSize() != limit) {
        setMinimumSize(limit);
    }
}

// --- Showing and hiding ---

bool CDictionaryWnd::shownOrShowing() const {
    return isVisible() && !fadingOut_;
}

bool CDictionaryWnd::Toggle() {
    if (shownOrShowing()) {
        FadeOut();
        return false;
    }
    FadeIn();
    return true;
}

void CDictionaryWnd::FadeIn(bool activate) {
    fadingOut_ = false;
    if (!isVisible()) {
        setWindowOpacity(0.0);
        setAttribute(Qt::WA_ShowWithoutActivating, !activate);
        show();
        setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
    raise();
    if (activate) {
        activateWindow();
    }
    fader_.fadeIn();
}

void CDictionaryWnd::FadeOut() {
    if (!isVisible()) {
        return;
    }
    fadingOut_ = true;
    fader_.fadeOut([this] {
        fadingOut_ = false;
        hide();
    });
}

void CDictionaryWnd::FinishFade() {
    fader_.finish();
}

void CDictionaryWnd::closeEvent(QCloseEvent* event) {
    // The window lives as long as the jukebox: closing only hides it.
    event->ignore();
    closeCommand();
}

void CDictionaryWnd::closeCommand() {
    Q_EMIT closed();
    FadeOut();
}

bool CDictionaryWnd::ConfirmClose() {
    if (!store_.modified()) {
        return true;
    }
    switch (ui_.askYesNoCancel(kCloseQuestion)) {
        case UiService::Answer::Yes: {
            WaitCursor waiting;
            return store_.SaveDictionary(DictionaryStore::Report::FailureOnly);
        }
        case UiService::Answer::No:
            return true;
        case UiService::Answer::Cancel:
            break;
    }
    return false;
}

// --- Commands ---

bool CDictionaryWnd::busy() const {
    return dropping_ || store_.busy();
}

std::vector<int> CDictionaryWnd::selectedRows() const {
    std::vector<int> rows;
    const QModelIndexList chosen = list_.selectionModel()->selectedRows();
    rows.reserve(static_cast<std::size_t>(chosen.size()));
    for (const QModelIndex& index : chosen) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

int CDictionaryWnd::caretRow() const {
    const QModelIndex caret = list_.currentIndex();
    return caret.isValid() ? caret.row() : -1;
}

void CDictionaryWnd::RenameCaretRow() {
    const int row = caretRow();
    if (row < 0 || busy()) {
        return;
    }
    const QModelIndex at = model_.index(row, ColumnFilename);
    list_.scrollTo(at);
    list_.edit(at);
}

void CDictionaryWnd::EditSelectedEntries() {
    if (busy()) {
        return;
    }
    const std::vector<int> rows = selectedRows();
    CTagEditDialog dialog(TagEditFields::ForRows(store_, rows), this);
    if (dialog.exec() == QDialog::Accepted) {
        dialog.fields().applyTo(store_, rows);
    }
}

void CDictionaryWnd::AddEntry() {
    if (busy()) {
        return;
    }
    QString text;
    if (ui_.prompt(QCoreApplication::translate("CDictionaryWnd", "Add entry"),
                   QCoreApplication::translate("CDictionaryWnd", "Please type in a filename"),
                   text)) {
        WaitCursor waiting;
        store_.AddToDictionary(text);
    }
}

void CDictionaryWnd::DeleteSelected() {
    if (busy()) {
        return;
    }
    const std::vector<int> rows = selectedRows();
    store_.deleteRows(QList<int>(rows.begin(), rows.end()));
}

void CDictionaryWnd::SaveDictionary() {
    if (busy()) {
        return;
    }
    WaitCursor waiting;
    store_.SaveDictionary();
}

// --- Keys and drops ---

bool CDictionaryWnd::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &list_ && event->type() == QEvent::KeyPress) {
        return listKey(static_cast<QKeyEvent*>(event));
    }
    if (watched == &list_ && event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!isListNavigation(key)) {
            forwardKey(key);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool CDictionaryWnd::listKey(QKeyEvent* event) {
    // Keys the rename editor leaves (Enter ends the rename) come up to the list:
    // they are the editor's, not commands.
    const QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && focus != &list_ && list_.isAncestorOf(focus)) {
        return false;
    }
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            EditSelectedEntries();
            return true;
        case Qt::Key_Insert:
            AddEntry();
            return true;
        case Qt::Key_Delete:
            DeleteSelected();
            return true;
        default:
            break;
    }
    if (moveAsRows(event)) {
        return true;
    }
    if (isListNavigation(event)) {
        return false;  // the list moves its caret
    }
    forwardKey(event);
    return true;
}

// The list moves as a list of rows, not of cells: Home and End go to the first
// and the last row, Left and Right scroll sideways.
bool CDictionaryWnd::moveAsRows(QKeyEvent* event) {
    if (event->modifiers() != Qt::NoModifier) {
        return false;
    }
    QScrollBar* sideways = list_.horizontalScrollBar();
    switch (event->key()) {
        case Qt::Key_Left:
            sideways->triggerAction(QAbstractSlider::SliderSingleStepSub);
            return true;
        case Qt::Key_Right:
            sideways->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return true;
        case Qt::Key_Home:
        case Qt::Key_End: {
            const int row = event->key() == Qt::Key_Home ? 0 : model_.rowCount() - 1;
            const QModelIndex at = model_.index(row, ColumnFilename);
            if (at.isValid()) {
                list_.selectionModel()->setCurrentIndex(
                    at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
                list_.scrollTo(at);
            }
            return true;
        }
        default:
            return false;
    }
}

void CDictionaryWnd::forwardKey(QKeyEvent* event) {
    ForwardKey(keyTarget_, *event);
}

void CDictionaryWnd::keyPressEvent(QKeyEvent* event) {
    forwardKey(event);
}

void CDictionaryWnd::keyReleaseEvent(QKeyEvent* event) {
    forwardKey(event);
}

void CDictionaryWnd::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void CDictionaryWnd::dropEvent(QDropEvent* event) {
    // A drop that comes while a walk dispatches events would start a second one.
    if (busy()) {
        event->ignore();
        return;
    }
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        const QString path = LocalPathOfUrl(url);
        if (!path.isEmpty()) {
            paths.append(path);
        }
    }
    event->acceptProposedAction();
    FlagScope dropping(dropping_);
    WaitCursor waiting;
    for (const QString& path : paths) {
        store_.AddToDictionary(path);
    }
}
