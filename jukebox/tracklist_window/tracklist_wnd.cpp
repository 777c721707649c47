#include "jukebox/tracklist_window/tracklist_wnd.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QResizeEvent>

#include "jukebox/common/path_functions.h"
#include "jukebox/tracklist/format_entry.h"
#include "jukebox/tracklist/tracklist_store.h"
#include "jukebox/tracklist_window/tracklist_commands.h"
#include "jukebox/tracklist_window/tracklist_pictures.h"
#include "jukebox/ui/forward_key.h"
#include "jukebox/ui/ui_service.h"
#include "jukebox/ui/window_frame.h"

namespace {

constexpr int kToolbarHeight = 28;
constexpr int kButtonSize = 22;
constexpr int kSeparatorWidth = 6;

constexpr std::array<const char*, TracklistLayout::kFieldCount> kFieldTips{
    QT_TRANSLATE_NOOP("CTracklistWnd", "Full pathname"),
    QT_TRANSLATE_NOOP("CTracklistWnd", "Source"),
    QT_TRANSLATE_NOOP("CTracklistWnd", "A/V"),
    QT_TRANSLATE_NOOP("CTracklistWnd", "Mapping"),
    QT_TRANSLATE_NOOP("CTracklistWnd", "Genre"),
    QT_TRANSLATE_NOOP("CTracklistWnd", "Creation date"),
    QT_TRANSLATE_NOOP("CTracklistWnd", "Artist"),
    QT_TRANSLATE_NOOP("CTracklistWnd", "Comments"),
    QT_TRANSLATE_NOOP("CTracklistWnd", "Index/Total")};

// The tracklist format first: it stays the default. Playlists of other players
// open beside it, and a tracklist can be saved as M3U8 for them.
const QString kOpenFilter = QStringLiteral(
    "Tracklist [*.trk, *.alb] (*.trk *.alb);;Playlists (*.m3u *.m3u8 *.pls);;All files (*)");
const QString kSaveFilter =
    QStringLiteral("Tracklist [*.trk, *.alb] (*.trk *.alb);;M3U8 playlist (*.m3u8)");

// The keys the list moves its caret and selection with; every other key is the
// main window's.
bool isListNavigation(const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Space:
        case Qt::Key_Select:
            return true;
        case Qt::Key_A:
            return event->modifiers().testFlag(Qt::ControlModifier);
        default:
            return false;
    }
}

bool isKeypadPlusMinus(const QKeyEvent* event) {
    return event->modifiers().testFlag(Qt::KeypadModifier) &&
           (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Minus);
}

}  // namespace

CTracklistWnd::CTracklistWnd(TracklistStore& store, UiService& ui, QWidget* parent)
    : QWidget(parent, Qt::Window),
      store_(store),
      ui_(ui),
      model_([this](int row,
                    const QString& format) { return FormatEntry(format, store_.EntryAt(row)); },
             [this] { return store_.listFormat(); }),
      list_(this),
      detailButton_(this),
      toolbar_(this),
      sortMenu_(this),
      fade_(this, "windowOpacity") {
    list_.setModel(&model_);
    list_.setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_.setUniformItemSizes(true);
    list_.setLayoutMode(QListView::SinglePass);
    list_.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_.setToolTip(QCoreApplication::translate("CTracklistWnd", "Track listing"));
    list_.installEventFilter(this);
    list_.viewport()->installEventFilter(this);
    connect(&list_, &QListView::doubleClicked, this,
            [this] { OnCommand(TracklistCommand::Select); });
    connect(list_.selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { showDetails(); });
    connect(list_.selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { showDetails(); });

    buildFields();
    detailButton_.setIcon(TracklistPictures::DetailButton(false));
    detailButton_.setIconSize(QSize(12, 12));
    detailButton_.setToolTip(QCoreApplication::translate("CTracklistWnd", "Show tags"));
    detailButton_.setFocusPolicy(Qt::NoFocus);
    detailButton_.installEventFilter(this);
    connect(&detailButton_, &QToolButton::clicked, this, &CTracklistWnd::ToggleDetails);
    buildToolbar();
    buildSortMenu();

    fade_.setDuration(kFadeMs);
    connect(&fade_, &QPropertyAnimation::finished, this, [this] {
        if (fadingOut_) {
            fadingOut_ = false;
            hide();
        }
    });
    setAcceptDrops(true);
    setStoredRect(QPoint(10, 10), QSize(275, 375));
    setWindowTitle(QCoreApplication::translate("CTracklistWnd", "Tracklist"));
    busyChanged(store_.busy());
}

CTracklistWnd::~CTracklistWnd() = default;

void CTracklistWnd::buildFields() {
    for (int i = 0; i < TracklistLayout::kFieldCount; ++i) {
        auto* edit = new QLineEdit(this);
        edit->setReadOnly(true);
        edit->setFrame(false);
        edit->setToolTip(
            QCoreApplication::translate("CTracklistWnd", kFieldTips[static_cast<std::size_t>(i)]));
        edit->setContentsMargins(0, 0, 0, 0);
        edit->setFocusPolicy(Qt::ClickFocus);
        edit->installEventFilter(this);
        fields_[static_cast<std::size_t>(i)] = edit;
    }
    // The one-line fields are 16 pixels high and the narrowest 27 wide ("AUD"):
    // a thin border instead of the style's frame, whose padding would cut the
    // text, and a small face.
    setStyleSheet(
        QStringLiteral("QLineEdit { border: 1px solid palette(mid); padding: 0px; "
                       "background: palette(window); font-size: 11px; }"));
}

void CTracklistWnd::buildToolbar() {
    // A row of fixed buttons rather than a tool bar, which would fold the last
    // ones behind an extension button at the default width of 275.
    auto* row = new QHBoxLayout(&toolbar_);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(1);
    for (const ToolbarItem& item : TracklistCommands::Toolbar()) {
        if (item.command == 0) {
            auto* separator = new QFrame(&toolbar_);
            separator->setFrameShape(QFrame::VLine);
            separator->setFrameShadow(QFrame::Sunken);
            separator->setFixedWidth(kSeparatorWidth);
            row->addWidget(separator);
            continue;
        }
        auto* act = new QAction(TracklistPictures::ToolbarImage(item.image),
                                QCoreApplication::translate("CTracklistWnd", item.tip), &toolbar_);
        act->setToolTip(QCoreApplication::translate("CTracklistWnd", item.tip));
        act->setData(item.command);
        const int command = item.command;
        connect(act, &QAction::triggered, this, [this, command] { OnCommand(command); });
        toolbar_.addAction(act);
        auto* button = new QToolButton(&toolbar_);
        button->setDefaultAction(act);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setIconSize(QSize(TracklistPictures::kSize, TracklistPictures::kSize));
        button->setFixedSize(kButtonSize, kButtonSize);
        button->installEventFilter(this);
        row->addWidget(button);
    }
    row->addStretch(1);
}

void CTracklistWnd::buildSortMenu() {
    for (const SortMenuItem& item : TracklistCommands::SortMenu()) {
        QAction* act = sortMenu_.addAction(QCoreApplication::translate("CTracklistWnd", item.text));
        const int command = static_cast<int>(item.key);
        act->setData(command);
        connect(act, &QAction::triggered, this, [this, command] { OnCommand(command); });
    }
}

QAction* CTracklistWnd::action(int command) const {
    for (QAction* act : toolbar_.actions()) {
        if (act->data().toInt() == command) {
            return act;
        }
    }
    return nullptr;
}

// --- Size and place ---

void CTracklistWnd::setStoredRect(QPoint pos, QSize size) {
    move(pos);
    const int height = tagsShown_ ? size.height() + TracklistLayout::kDetailStrip : size.height();
    resize(size.width(), height);
}

QRect CTracklistWnd::storedRect() const {
    return {pos(), QSize(width(), TracklistLayout::StoredHeight(height(), tagsShown_))};
}

void CTracklistWnd::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applyLayout();
    applyMinimumSize();
}

// The window manager tells the frame with a move or a resize.
void CTracklistWnd::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    applyMinimumSize();
}

void CTracklistWnd::applyLayout() {
    const QSize client = size();
    const TracklistLayout::Placement placed = TracklistLayout::Place(client, tagsShown_);
    for (int i = 0; i < TracklistLayout::kFieldCount; ++i) {
        QLineEdit* edit = fields_[static_cast<std::size_t>(i)];
        edit->setGeometry(placed.fields[i]);
        edit->setVisible(placed.fieldShown[i]);
    }
    detailButton_.setGeometry(placed.detailButton);
    list_.setGeometry(placed.list);
    toolbar_.setGeometry(0, client.height() - kToolbarHeight, client.width(), kToolbarHeight);
}

// The limits are for the whole window, frame included, so they apply in full
// once the window manager has told the frame. Before that a smaller size (a
// stored one) is kept: a resize as the window shows would put its area where
// its frame was to be, the title bar off the screen.
void CTracklistWnd::applyMinimumSize() {
    if (!isVisible()) {
        return;
    }
    const QSize limit = MinimumAreaSize(*this, TracklistLayout::MinimumSize(tagsShown_));
    if (minimumSize() != limit) {
        setMinimumSize(limit);
    }
}

void CTracklistWnd::ToggleDetails() {
    tagsShown_ = !tagsShown_;
    detailButton_.setIcon(TracklistPictures::DetailButton(tagsShown_));
    detailButton_.setToolTip(tagsShown_
                                 ? QCoreApplication::translate("CTracklistWnd", "Hide tags")
                                 : QCoreApplication::translate("CTracklistWnd", "Show tags"));
    if (!tagsShown_) {
        applyMinimumSize();  // lowered before the window shrinks below the old limit
    }
    resize(width(), TracklistLayout::ToggledHeight(height(), tagsShown_));
    applyMinimumSize();
    applyLayout();
}

// --- Showing and hiding ---

bool CTracklistWnd::shownOrShowing() const {
    return isVisible() && !fadingOut_;
}

bool CTracklistWnd::Toggle() {
    if (shownOrShowing()) {
        FadeOut();
        return false;
    }
    FadeIn();
    return true;
}

void CTracklistWnd::FadeIn(bool activate) {
    fadingOut_ = false;
    fade_.stop();
    if (!isVisible()) {
        setWindowOpacity(0.0);
        setAttribute(Qt::WA_ShowWithoutActivating, !activate);
        show();
        setAttribute(Qt::WA_ShowWithoutActivating, false);
        applyMinimumSize();
    }
    raise();
    if (activate) {
        activateWindow();
    }
    fade_.setStartValue(windowOpacity());
    fade_.setEndValue(1.0);
    fade_.start();
}

void CTracklistWnd::FadeOut() {
    if (!isVisible()) {
        return;
    }
    fadingOut_ = true;
    fade_.stop();
    fade_.setStartValue(windowOpacity());
    fade_.setEndValue(0.0);
    fade_.start();
}

void CTracklistWnd::FinishFade() {
    if (fade_.state() == QAbstractAnimation::Running) {
        fade_.setCurrentTime(fade_.duration());
    }
}

void CTracklistWnd::closeEvent(QCloseEvent* event) {
    // The window lives as long as the jukebox: closing only hides it.
    event->ignore();
    OnCommand(TracklistCommand::Close);
}

// --- Commands ---

void CTracklistWnd::OnCommand(int command) {
    if (!TracklistCommands::Enabled(command, store_.busy())) {
        return;
    }
    runCommand(command);
}

void CTracklistWnd::runCommand(int command) {
    using namespace TracklistCommand;
    switch (command) {
        case Select:
            return selectCommand();
        case Focus:
            return store_.Focus();
        case Sort:
            sortMenu_.popup(QCursor::pos());
            return;
        case Add:
            return addCommand();
        case Delete:
            return store_.DeleteCommand(selectedRows());
        case Rescan:
            return store_.RescanCommand(selectedRows());
        case OpenNew:
            return openCommand();
        case Save:
            store_.SaveTracklist();
            return;
        case SaveAs:
            return saveAsCommand();
        case Abort:
            return store_.RequestAbort();
        case Close:
            return closeCommand();
        default:
            return sortByKey(command);
    }
}

void CTracklistWnd::selectCommand() {
    store_.setCurrentIndex(caretRow());
    if (openCurrentTrack_) {
        openCurrentTrack_();
    }
}

// Not the working folder, which holds the jukebox's own data files.
QString CTracklistWnd::dialogFolder() const {
    return dialogFolder_.StartFor(store_.EntryAt(-1).path);
}

void CTracklistWnd::addCommand() {
    const QStringList names = ui_.openFileNames(
        QCoreApplication::translate("CTracklistWnd", "File Selection"), dialogFolder(), QString());
    if (names.isEmpty()) {
        return;
    }
    dialogFolder_.Chose(names.constFirst());
    for (const QString& name : names) {
        store_.AddPath(name);
    }
    store_.UpdateTitle(true);
}

void CTracklistWnd::openCommand() {
    if (!store_.ConfirmReplace()) {
        return;
    }
    const QString name =
        ui_.openOrNewFileName(QCoreApplication::translate("CTracklistWnd", "Load tracklist"),
                              dialogFolder(), kOpenFilter, QStringLiteral("trk"));
    if (name.isEmpty()) {
        return;
    }
    dialogFolder_.Chose(name);
    store_.setTracklistPath(name);
    store_.LoadTracklist();
}

void CTracklistWnd::saveAsCommand() {
    const QString name =
        ui_.saveFileName(QCoreApplication::translate("CTracklistWnd", "Save tracklist"),
                         dialogFolder(), kSaveFilter, QStringLiteral("trk"));
    if (name.isEmpty()) {
        return;
    }
    dialogFolder_.Chose(name);
    store_.setTracklistPath(name);
    store_.SaveTracklist();
}

void CTracklistWnd::closeCommand() {
    Q_EMIT closed();
    FadeOut();
}

void CTracklistWnd::sortByKey(int command) {
    for (const SortMenuItem& item : TracklistCommands::SortMenu()) {
        if (static_cast<int>(item.key) == command) {
            // The sort button is held back while busy; a menu left open is too.
            if (!store_.busy()) {
                store_.SortByKey(item.key);
            }
            return;
        }
    }
}

// From the selection's ranges: QItemSelectionModel::selectedRows tests every
// row against every range, which for 50,000 scattered lines took a minute.
std::vector<int> CTracklistWnd::selectedRows() const {
    std::vector<int> rows;
    const QItemSelection chosen = list_.selectionModel()->selection();
    for (const QItemSelectionRange& range : chosen) {
        if (!range.isValid()) {
            continue;
        }
        for (int row = range.top(); row <= range.bottom(); ++row) {
            rows.push_back(row);
        }
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int CTracklistWnd::caretRow() const {
    const QModelIndex caret = list_.currentIndex();
    return caret.isValid() ? caret.row() : -1;
}

// --- Keys, drops and tool tips ---

bool CTracklistWnd::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && suppressToolTip(watched)) {
        return true;
    }
    if (watched == &list_ && event->type() == QEvent::KeyPress) {
        return listKey(static_cast<QKeyEvent*>(event));
    }
    if (watched == &list_ && event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!isListNavigation(key)) {
            forwardKey(key);
        }
        // The list has no use for a release: left to it, the release of a key
        // that moved its caret would go on to this window and from there to
        // the main window (End skipping the track while Shift+End selects).
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// No tool tips at all while the list has no caret line.
bool CTracklistWnd::suppressToolTip(QObject* /*watched*/) const {
    return caretRow() < 0;
}

bool CTracklistWnd::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && suppressToolTip(this)) {
        return true;
    }
    return QWidget::event(event);
}

bool CTracklistWnd::listKey(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OnCommand(TracklistCommand::Select);  // like a double click, busy or not
        return true;
    }
    if (!store_.busy()) {
        switch (event->key()) {
            case Qt::Key_Insert:
                insertPrompt();
                return true;
            case Qt::Key_Delete:
                store_.DeleteSelected(selectedRows());
                return true;
            default:
                break;
        }
    }
    if (isKeypadPlusMinus(event) || !isListNavigation(event)) {
        forwardKey(event);
        return true;
    }
    return false;  // the list moves its caret
}

void CTracklistWnd::insertPrompt() {
    QString text;
    if (ui_.prompt(QCoreApplication::translate("CTracklistWnd", "Add entry"),
                   QCoreApplication::translate("CTracklistWnd", "Please type in a filename"),
                   text)) {
        store_.AddPath(text);
    }
}

void CTracklistWnd::forwardKey(QKeyEvent* event) {
    ForwardKey(keyTarget_, *event);
}

void CTracklistWnd::keyPressEvent(QKeyEvent* event) {
    forwardKey(event);
}

void CTracklistWnd::keyReleaseEvent(QKeyEvent* event) {
    forwardKey(event);
}

void CTracklistWnd::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void CTracklistWnd::dropEvent(QDropEvent* event) {
    QStringList names;
    for (const QUrl& url : event->mimeData()->urls()) {
        const QString path = LocalPathOfUrl(url);
        if (!path.isEmpty()) {
            names.append(path);
        }
    }
    event->acceptProposedAction();
    store_.AddDroppedFiles(names);  // ignored while busy
}

// --- What the store tells ---

// The detail fields always describe this list: after every change of its lines
// they are shown again, not only when the caret moves.

// The lines are formatted by the model as the list shows them.
bool CTracklistWnd::wantsLineTexts() const {
    return false;
}

bool CTracklistWnd::deferDetails() {
    if (store_.loading() && !isVisible()) {
        detailsStale_ = true;
        return true;
    }
    return false;
}

void CTracklistWnd::lineAdded(int /*index*/, const QString& /*text*/) {
    model_.append();
    if (deferDetails()) {
        return;
    }
    const int caret = caretRow();
    if (caret < 0 || detailsStale_) {
        showDetails();
    } else {
        // Only the total changed; a long scan adds lines by the thousand.
        setDetail(TracklistLayout::IndexTotal, IndexTotalText(caret, store_.EntryCount()));
    }
}

void CTracklistWnd::lineReplaced(int index, const QString& /*text*/) {
    model_.replace(index);
    list_.selectionModel()->select(model_.index(index), QItemSelectionModel::Deselect);
    if (index == caretRow()) {
        showDetails();
    }
}

void CTracklistWnd::linesRemoved(const std::vector<int>& ascending) {
    model_.removeRows(ascending);
    showDetails();
}

void CTracklistWnd::linesRefilled(const QStringList& /*lines*/) {
    model_.refill(store_.EntryCount());
    showDetails();
}

void CTracklistWnd::selectOnly(int index) {
    QItemSelectionModel* selection = list_.selectionModel();
    if (index < 0 || index >= model_.rowCount()) {
        selection->clearSelection();
        return;
    }
    const QModelIndex at = model_.index(index);
    selection->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
    list_.scrollTo(at);
}

// A list with lines always has a caret line, as a list box has: the first one
// until the user moves it (a list refilled by a load or sort starts without
// one). An empty list shows empty fields, never those of the list before.
void CTracklistWnd::showDetails() {
    if (deferDetails()) {
        return;
    }
    detailsStale_ = false;
    if (caretRow() < 0 && model_.rowCount() > 0) {
        list_.selectionModel()->setCurrentIndex(model_.index(0), QItemSelectionModel::NoUpdate);
    }
    const int caret = caretRow();
    const DetailTexts texts =
        caret >= 0 ? DetailsFor(store_.EntryAt(caret), caret, store_.EntryCount()) : DetailTexts{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        setDetail(i, texts[i]);
    }
}

// Only what changed: a folder scan refreshes the fields at every file.
void CTracklistWnd::setDetail(std::size_t field, const QString& text) {
    if (text != shownDetails_[field]) {
        shownDetails_[field] = text;
        fields_[field]->setText(text);
        fields_[field]->setCursorPosition(0);
    }
}

void CTracklistWnd::titleChanged(const QString& title) {
    setWindowTitle(title);
}

void CTracklistWnd::busyChanged(bool busy) {
    if (busy) {
        setCursor(Qt::WaitCursor);
    } else {
        unsetCursor();
        if (detailsStale_) {
            showDetails();
        }
    }
    for (QAction* act : toolbar_.actions()) {
        if (act->data().isValid()) {
            act->setEnabled(TracklistCommands::Enabled(act->data().toInt(), busy));
        }
    }
}

void CTracklistWnd::panelSetBits(bool set, int bits) {
    if (panel_ != nullptr) {
        panel_->panelSetBits(set, bits);
    }
}

void CTracklistWnd::panelPopup(int kind) {
    if (panel_ != nullptr) {
        panel_->panelPopup(kind);
    }
}
