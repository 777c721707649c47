#include "jukebox/shell/velorine_wnd.h"

#include "jukebox/cover_window/cover_wnd.h"
#include "jukebox/ui/stays_on_top.h"
#include "jukebox/ui/window_system.h"
#include "jukebox/video_window/video_wnd.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <QWindow>

#include "jukebox/common/path_functions.h"
#include "jukebox/playback/media_engine.h"
#include "jukebox/shell/anim_lamp.h"
#include "jukebox/shell/app_settings.h"
#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/command_line.h"
#include "jukebox/shell/help_window.h"
#include "jukebox/shell/key_map.h"
#include "jukebox/shell/local_file_url.h"
#include "jukebox/shell/skin_button.h"
#include "jukebox/shell/skin_slider.h"
#include "jukebox/shell/status_lamp.h"
#include "jukebox/shell/time_display.h"
#include "jukebox/shell/track_panel.h"
#include "jukebox/shell/velorine_icon.h"
#include "jukebox/tracklist/tracklist_store.h"

namespace {

QStringList localFiles(const QMimeData* data) {
    QStringList names;
    if (data == nullptr) {
        return names;
    }
    for (const QUrl& url : data->urls()) {
        const QString path = LocalPathOfUrl(url);
        if (!path.isEmpty()) {
            names.append(path);
        }
    }
    return names;
}

}  // namespace

CVelorineWnd::CVelorineWnd(MediaEngine& engine, TracklistStore& tracklist, AppSettings& settings,
                           QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      engine_(engine),
      tracklist_(tracklist),
      settings_(settings),
      controls_(this,
                {settings.tagPage, [this] { return tracklist_.EntryAt(-1); },
                 [this] { return transport_.loop(); }, [this] { return transport_.random(); }}),
      transport_(engine, tracklist, *this),
      tray_(VelorineIcon()),
      fader_(this) {
    setWindowTitle(QStringLiteral("Velorine"));
    setWindowIcon(VelorineIcon());
    // Every pixel of the face is painted; the system's erase would only flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAcceptDrops(true);
    pollTimer_.setInterval(kPollMs);
    connect(&pollTimer_, &QTimer::timeout, &transport_, &Transport::PollPosition);
    connect(&tray_, &ShellTray::command, this, &CVelorineWnd::OnCommand);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { setAppActive(state == Qt::ApplicationActive); });
    connectControls();
    appActive_ = QGuiApplication::applicationState() == Qt::ApplicationActive;
    controls_.setAppActive(appActive_);
    controls_.button(ControlId::Stop)->setOn(true);
}

CVelorineWnd::~CVelorineWnd() = default;

void CVelorineWnd::connectControls() {
    for (CSkinButton* button : controls_.buttons()) {
        connect(button, &CSkinButton::command, this, &CVelorineWnd::OnCommand);
    }
    connect(&controls_.panel(), &CTrackPanel::doubleClicked, this,
            [this] { OnCommand(ControlId::Tlist); });
}

void CVelorineWnd::ApplyView(int view) {
    targetView_ = view;
    if (!painted_) {
        ApplyViewNow(view);
        return;
    }
    fader_.fadeOut([this] {
        ApplyViewNow(targetView_);
        fader_.fadeIn();
    });
}

void CVelorineWnd::ApplyViewNow(int view) {
    if (view != 2 || !skin_.hasAlternate) {
        view = 1;  // a skin without an alternate view keeps its main view
    }
    view_ = targetView_ = view;
    const SkinView& shown = skin_.view(view);
    const int h = shown.face.height();
    for (int band = 0; band < 2; ++band) {
        face_[band] = QPixmap::fromImage(shown.panel.copy(0, band * h, shown.face.width(), h));
    }
    setFixedSize(shown.face);
    controls_.setup(shown);
    if (shown.shape.isEmpty()) {
        clearMask();
    } else {
        setMask(shown.shape);
    }
    ShowEngineState();
    update();
}

void CVelorineWnd::ReplaceSkin(SkinDescription skin) {
    fader_.finish();  // a view switch under way ends in the old skin first
    skin_ = std::move(skin);
    ApplyViewNow(view_);
}

void CVelorineWnd::ShowEngineState() {
    CSkinSlider* volume = controls_.slider(ControlId::Volume);
    volume->setRange(100);
    volume->setValue(engine_.GetVolume());
    CSkinSlider* balance = controls_.slider(ControlId::Balance);
    balance->setRange(100);
    balance->setValue(engine_.GetBalance());
    transport_.DurationChanged(engine_.GetDurationMs());
}

void CVelorineWnd::OnCommand(int id) {
    switch (id) {
        case CommandId::MenuHelp:
            return OnCommand(ControlId::Help);
        case CommandId::MenuOptions:
            return OnCommand(ControlId::Options);
        case CommandId::MenuRestore:
            return OnCommand(ControlId::Mini);
        case CommandId::MenuExit:
            return OnCommand(ControlId::Close);
        case ControlId::Options:
            Q_EMIT optionsRequested();  // returns when the sheet has closed
            ApplyAlwaysOnTop();
            controls_.panel().update();
            break;
        case ControlId::Help:
            ShowHelp();
            break;
        case ControlId::Menu:
            tray_.popupSystemMenu(QCursor::pos());
            break;
        case ControlId::Ui:
            if (skin_.hasAlternate) {  // else there is nothing to switch to
                ApplyView(targetView_ == 2 ? 1 : 2);
            }
            break;
        case ControlId::Close:
            // Posted: the close sequence never runs inside a control's handler.
            QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
            return;
        case ControlId::Mini:
            MinimizeOrRestore();
            break;
        case ControlId::Tlist:
            Q_EMIT tracklistToggleRequested();
            break;
        case CommandId::Filters:
            Q_EMIT filtersToggleRequested();
            break;
        case ControlId::Cover:
            ToggleCover();
            break;
        case ControlId::Dict:
            Q_EMIT dictionaryToggleRequested();
            break;
        default:
            transport_.OnCommand(id);
            return;
    }
    clearHover(id);
}

void CVelorineWnd::ShowHelp() {
    const QString file = JoinPath(CurrentFolder(), QStringLiteral("velorine.chm"));
    if (FileExists(file) && QDesktopServices::openUrl(LocalFileUrl(file))) {
        return;
    }
    if (help_ == nullptr) {
        help_ = new CHelpWindow(this);
        if (screen() != nullptr && !CompositorPlacesWindows()) {
            help_->move(CHelpWindow::PlaceBeside(frameGeometry(), help_->size(),
                                                 screen()->availableGeometry()));
        }
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void CVelorineWnd::ApplyAlwaysOnTop() {
    const bool onTop = settings_.general.alwaysOnTop;
    if (video_ != nullptr) {
        video_->setAlwaysOnTop(onTop);
    }
    if (cover_ != nullptr) {
        cover_->setAlwaysOnTop(onTop);
    }
    SetStaysOnTop(*this, onTop);
}

void CVelorineWnd::ApplyOptions() {
    CTrackPanel& panel = controls_.panel();
    const bool scroll = settings_.general.scrollText;
    if (!scroll || !(panel.stateBits() & PanelBit::Scroll)) {
        panel.SetBits(scroll, PanelBit::Scroll);
    }
    panel.setPopupDelayMs(settings_.general.popupDelay * 100);
    if (cover_ != nullptr) {
        cover_->setPopupDelayMs(settings_.general.popupDelay * 100);
    }
    panel.RefreshText();
    Q_EMIT formatsChanged();
}

void CVelorineWnd::Shutdown() {
    pollTimer_.stop();
    tray_.hideIcon();
    fader_.finish();
    controls_.panel().SetBits(false, PanelBit::Scroll);
    controls_.anim().setRunning(false);
}

// Minimizing goes to the tray; without a tray the window is minimized onto the
// taskbar, from where the desktop brings it back.
void CVelorineWnd::MinimizeOrRestore() {
    if (minimized_) {
        Restore();
    } else {
        Minimize();
    }
}

void CVelorineWnd::Minimize() {
    minimized_ = true;
    if (ShellTray::available()) {
        tray_.showIcon(tracklist_.EntryAt(-1).name);
    }
    popupText(QCoreApplication::translate("CVelorineWnd", "Minimize"));
    fader_.fadeOut([this] { putAway(); });
}

void CVelorineWnd::putAway() {
    if (ShellTray::available()) {
        hide();
    } else if (!isMinimized()) {
        showMinimized();
    }
    setWindowOpacity(1.0);
}

void CVelorineWnd::Restore() {
    minimized_ = false;
    tray_.hideIcon();
    setWindowOpacity(0.0);
    showNormal();
    raise();
    activateWindow();
    fader_.fadeIn();
    popupText(QCoreApplication::translate("CVelorineWnd", "Restore"));
    Q_EMIT restored();
}

void CVelorineWnd::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        const bool nowMinimized = windowState().testFlag(Qt::WindowMinimized);
        if (nowMinimized && !minimized_) {
            Minimize();  // the desktop minimized the window
        } else if (!nowMinimized && minimized_ && isVisible()) {
            Restore();  // brought back from the taskbar
        }
    }
    QWidget::changeEvent(event);
}

void CVelorineWnd::closeEvent(QCloseEvent* event) {
    event->ignore();
    Q_EMIT closeRequested();
}

void CVelorineWnd::setAppActive(bool active) {
    if (appActive_ == active) {
        return;
    }
    appActive_ = active;
    controls_.setAppActive(active);
    update();
}

bool CVelorineWnd::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = controls_.toolTipAt(help->pos());
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, this);
        }
        return true;
    }
    return QWidget::event(event);
}

void CVelorineWnd::paintEvent(QPaintEvent*) {
    {
        QPainter painter(this);
        if (view_ != 1 && view_ != 2) {
            painter.fillRect(rect(), Qt::black);
            painter.setPen(Qt::white);
            painter.drawText(rect(), Qt::AlignCenter,
                             QCoreApplication::translate("CVelorineWnd", "Check display mode!"));
        } else {
            painter.setClipRegion(controls_.faceAround(rect()));
            painter.drawPixmap(0, 0, face_[appActive_ ? 1 : 0]);
        }
    }
    // Whatever the face shows, the window is there for the user to see.
    if (!painted_) {
        painted_ = true;
        Q_EMIT firstPainted();
    }
}

// Drags over the face: a slider's thumb, or the window itself.

FaceDrag::Thumbs CVelorineWnd::thumbs() const {
    FaceDrag::Thumbs thumbs;
    const int ids[] = {ControlId::Position, ControlId::Volume, ControlId::Balance};
    for (size_t i = 0; i < thumbs.size(); ++i) {
        const CSkinSlider* slider = controls_.slider(ids[i]);
        thumbs[i] = {slider->thumbRect(), slider->pixel(), slider->vertical(),
                     slider->isVisibleTo(this)};
    }
    return thumbs;
}

CSkinSlider* CVelorineWnd::grabbedSlider() const {
    switch (drag_.kind()) {
        case FaceDrag::Kind::Position:
            return controls_.slider(ControlId::Position);
        case FaceDrag::Kind::Volume:
            return controls_.slider(ControlId::Volume);
        case FaceDrag::Kind::Balance:
            return controls_.slider(ControlId::Balance);
        default:
            return nullptr;
    }
}

void CVelorineWnd::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint global = event->globalPosition().toPoint();
    const FaceDrag::Kind kind = drag_.press(global, pos(), event->position().toPoint(), thumbs());
    CSkinSlider* slider = grabbedSlider();
    const bool windowDrag =
        slider == nullptr || (kind == FaceDrag::Kind::Position &&
                              controls_.slider(ControlId::Position)->model().max() == 0);
    if (windowDrag && CompositorPlacesWindows() && windowHandle() != nullptr &&
        windowHandle()->startSystemMove()) {
        drag_.release();  // the compositor moves the window and keeps its place
        return;
    }
    if (slider != nullptr) {
        slider->setPressed(true);
    }
    if (kind == FaceDrag::Kind::Volume || kind == FaceDrag::Kind::Balance) {
        transport_.setDrag(kind == FaceDrag::Kind::Volume ? Transport::Drag::Volume
                                                          : Transport::Drag::Balance);
        transport_.showNumberForAWhile(slider->value());
    } else if (kind == FaceDrag::Kind::Position) {
        transport_.setDrag(Transport::Drag::Position);
    }
}

void CVelorineWnd::mouseMoveEvent(QMouseEvent* event) {
    if (!drag_.dragging()) {
        updateThumbHover(event->position().toPoint());
        return;
    }
    dragTo(event->globalPosition().toPoint());
}

void CVelorineWnd::dragTo(QPoint globalCursor) {
    CSkinSlider* slider = grabbedSlider();
    switch (drag_.kind()) {
        case FaceDrag::Kind::Position:
            if (slider->model().max() == 0) {
                break;  // no track gives the slider a range: the window moves
            }
            slider->dragToPixel(drag_.thumbPixel(globalCursor));
            showTimeSeconds(slider->value() / 1000);
            return;
        case FaceDrag::Kind::Volume:
            slider->dragToPixel(drag_.thumbPixel(globalCursor));
            transport_.SetVolumeByDrag(slider->value());
            return;
        case FaceDrag::Kind::Balance:
            slider->dragToPixel(drag_.thumbPixel(globalCursor));
            engine_.SetBalance(slider->value());
            transport_.showNumberForAWhile(slider->value());
            return;
        default:
            break;
    }
    moveWindowTo(drag_.windowOrigin(globalCursor));
}

void CVelorineWnd::moveWindowTo(QPoint origin) {
    move(origin);
    settings_.mainPos = origin;
}

void CVelorineWnd::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !drag_.dragging()) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    CSkinSlider* slider = grabbedSlider();
    const FaceDrag::Kind kind = drag_.release();
    transport_.setDrag(Transport::Drag::None);
    if (slider == nullptr) {
        return;
    }
    slider->setPressed(false);
    if (kind == FaceDrag::Kind::Position && slider->model().max() > 0) {
        transport_.SeekTo(slider->value(), false);
    }
    updateThumbHover(event->position().toPoint());
}

void CVelorineWnd::updateThumbHover(QPoint facePoint) {
    for (int id : {ControlId::Position, ControlId::Volume, ControlId::Balance}) {
        CSkinSlider* slider = controls_.slider(id);
        slider->setHover(slider->isVisibleTo(this) && slider->thumbRect().contains(facePoint));
    }
}

void CVelorineWnd::contextMenuEvent(QContextMenuEvent* event) {
    // The system menu stays within reach even of a face without its button.
    tray_.popupSystemMenu(event->globalPos());
    event->accept();
}

void CVelorineWnd::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Menu) {
        tray_.popupSystemMenu(mapToGlobal(rect().center()));
        return;
    }
    const KeyAction action = MapKeyPress(event->key(), event->modifiers());
    if (action.kind == KeyAction::Kind::None) {
        QWidget::keyPressEvent(event);
        return;
    }
    doKeyAction(action);
}

void CVelorineWnd::keyReleaseEvent(QKeyEvent* event) {
    const KeyAction action = MapKeyRelease(event->key(), event->modifiers(), event->isAutoRepeat());
    if (action.kind == KeyAction::Kind::None) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    doKeyAction(action);
}

void CVelorineWnd::doKeyAction(const KeyAction& action) {
    switch (action.kind) {
        case KeyAction::Kind::Command:
            OnCommand(action.command);
            break;
        case KeyAction::Kind::TogglePanelFormat:
            controls_.panel().TogglePrimaryAlternate();
            break;
        default:
            transport_.OnKeyAction(action);
            break;
    }
}

void CVelorineWnd::dragEnterEvent(QDragEnterEvent* event) {
    if (!localFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void CVelorineWnd::dropEvent(QDropEvent* event) {
    const QStringList names = localFiles(event->mimeData());
    if (names.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    OpenDropped(names);
}

bool CVelorineWnd::OpenDropped(const QStringList& names) {
    // While the list loads it takes no drop, and moving the current track
    // there would lose it.
    if (tracklist_.busy() || !tracklist_.AddDroppedAsCurrent(names)) {
        return false;
    }
    if (!transport_.OpenCurrentTrack()) {
        return false;
    }
    if (settings_.general.autoplay) {
        OnCommand(ControlId::Play);
    }
    return true;
}

// What the transport shows, on the controls.
