#include "jukebox/shell/track_panel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

#include "jukebox/shell/command_ids.h"
#include "jukebox/tracklist/format_entry.h"
#include "jukebox/tracklist/tag_page_settings.h"

CTrackPanel::CTrackPanel(const TagPageSettings& formats, std::function<TrackEntry()> currentEntry,
                         std::function<bool()> loopOn, std::function<bool()> randomOn,
                         QWidget* parent)
    : QWidget(parent),
      formats_(formats),
      currentEntry_(std::move(currentEntry)),
      loopOn_(std::move(loopOn)),
      randomOn_(std::move(randomOn)) {
    setFocusPolicy(Qt::NoFocus);
    // Every pixel is painted: the line image or the background colour.
    setAttribute(Qt::WA_OpaquePaintEvent);
    holdTimer_.setSingleShot(true);
    holdTimer_.setInterval(PanelScroll::kHoldMs);
    popupTimer_.setSingleShot(true);
    popupTimer_.setInterval(kDefaultPopupDelayMs);
    connect(&scrollTimer_, &QTimer::timeout, this, &CTrackPanel::scrollTick);
    connect(&holdTimer_, &QTimer::timeout, this, &CTrackPanel::holdElapsed);
    connect(&popupTimer_, &QTimer::timeout, this, &CTrackPanel::popupElapsed);
    hide();
}

void CTrackPanel::Setup(const SkinEntry& entry, const SkinView& view) {
    entry_ = entry;
    scroll_.setup(entry.step, entry.w);
    holdTimer_.stop();
    lineImage_.setLook(lookFor(entry, view));
    // The primary text, and the bit that says which one shows agrees with it.
    stateBits_ &= ~PanelBit::Alternate;
    setTextFormat(formats_.primaryFormat);
    setGeometry(entry.x, entry.y, std::max(0, entry.w), std::max(0, entry.h));
    setVisible(visibleInSkin());
    scrollTimer_.setInterval(PanelScroll::timerInterval(entry.period));
    syncScrollTimer();
    redraw();
}

void CTrackPanel::SetBits(bool set, int bits) {
    const bool wasScrolling = stateBits_ & PanelBit::Scroll;
    stateBits_ = set ? stateBits_ | bits : stateBits_ & ~bits;
    scroll_.resetVelocity();
    if (wasScrolling && !(stateBits_ & PanelBit::Scroll)) {
        // With scrolling switched off the text rests at its left end, not wherever
        // the last step left it.
        clearScroll();
    }
    syncScrollTimer();
    redraw();
}

void CTrackPanel::Popup(int kind, double speed) {
    popupKind_ = kind;
    if (speed >= 0) {
        popupSpeed_ = speed;
    }
    popupTimer_.start();
    redraw();
}

void CTrackPanel::setPopupDelayMs(int ms) {
    popupTimer_.setInterval(std::max(0, ms));
}

void CTrackPanel::ShowPrimary() {
    stateBits_ &= ~PanelBit::Alternate;
    setTextFormat(formats_.primaryFormat);
    clearScroll();
    redraw();
}

void CTrackPanel::TogglePrimaryAlternate() {
    clearScroll();
    stateBits_ ^= PanelBit::Alternate;
    const bool alternate = stateBits_ & PanelBit::Alternate;
    setTextFormat(alternate ? formats_.alternateFormat : formats_.primaryFormat);
    redraw();
}

void CTrackPanel::RefreshText() {
    const QString before = text_;
    const bool alternate = stateBits_ & PanelBit::Alternate;
    setTextFormat(alternate ? formats_.alternateFormat : formats_.primaryFormat);
    if (text_ != before) {
        clearScroll();  // the old offset belongs to the old text
        redraw();
    }
}

void CTrackPanel::scrollTick() {
    switch (scroll_.tick(stateBits_ & PanelBit::Scroll)) {
        case PanelScroll::Tick::Rest:
            holdTimer_.start();
            syncScrollTimer();
            break;
        case PanelScroll::Tick::Moved:
            redraw();
            break;
        case PanelScroll::Tick::Idle:
            break;
    }
}

void CTrackPanel::holdElapsed() {
    scroll_.hold();
    syncScrollTimer();
}

void CTrackPanel::popupElapsed() {
    popupTimer_.stop();
    popupKind_ = PanelPopup::None;
    redraw();
}

void CTrackPanel::paintEvent(QPaintEvent*) {
    if (!visibleInSkin()) {
        return;
    }
    QPainter painter(this);
    lineImage_.paint(painter, line_.text, scroll_.offset(), size(), devicePixelRatioF());
}

void CTrackPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    TogglePrimaryAlternate();
    event->accept();
}

void CTrackPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    Q_EMIT doubleClicked();
}

PanelLook CTrackPanel::lookFor(const SkinEntry& entry, const SkinView& view) {
    PanelLook look;
    look.bg = entry.bg;
    look.fg = entry.fg;
    if (entry.fontMode == SkinGlyphs) {
        look.glyphs = true;
        look.sheet = view.alpha;
        look.cell = view.glyphCell;
        // The characters the sheet lacks are drawn with the desktop font in the
        // sheet's colours.
        look.font = QApplication::font();
        look.sheetColours = sheetColoursOf(view);
    } else {
        look.font = PanelLineImage::fontForHeight(QApplication::font(), entry.h);
    }
    return look;
}

GlyphSheetColours CTrackPanel::sheetColoursOf(const SkinView& view) {
    // Once per sheet: a view change hands the same sheet again.
    const qint64 key = view.alpha.cacheKey();
    if (key != sheetKey_ || view.glyphCell != sheetCell_) {
        sheetKey_ = key;
        sheetCell_ = view.glyphCell;
        sheetColours_ = MeasureGlyphSheetColours(view.alpha, view.glyphCell);
    }
    return sheetColours_;
}

void CTrackPanel::setTextFormat(const QString& format) {
    text_ = FormatEntry(format, currentEntry_ ? currentEntry_() : TrackEntry{});
    scroll_.setTextWidth(lineImage_.measure(text_));
}

void CTrackPanel::clearScroll() {
    scroll_.clear();
    holdTimer_.stop();  // the rest starts again when the text is shown
    syncScrollTimer();
}

void CTrackPanel::syncScrollTimer() {
    // The step timer only runs while the text actually moves; it would do nothing
    // otherwise.
    const bool run = visibleInSkin() && scroll_.moving() && (stateBits_ & PanelBit::Scroll) != 0;
    if (run && !scrollTimer_.isActive()) {
        scrollTimer_.start();
    } else if (!run) {
        scrollTimer_.stop();
    }
}

PanelLineState CTrackPanel::lineState() const {
    PanelLineState state;
    state.popupKind = popupKind_;
    state.popupSpeed = popupSpeed_;
    state.stateBits = stateBits_;
    state.loopOn = popupKind_ == PanelPopup::Loop && loopOn_ && loopOn_();
    state.randomOn = popupKind_ == PanelPopup::Random && randomOn_ && randomOn_();
    return state;
}

void CTrackPanel::redraw() {
    if (!visibleInSkin()) {
        return;  // a panel the skin hides paints nothing
    }
    line_ = ChoosePanelLine(lineState(), text_);
    if (!line_.isTrackText) {
        clearScroll();
    } else if (!scroll_.moving() && !holdTimer_.isActive()) {
        holdTimer_.start();
    }
    update();
}
