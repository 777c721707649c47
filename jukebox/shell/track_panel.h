#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

#include "jukebox/shell/panel_line.h"
#include "jukebox/shell/panel_line_image.h"
#include "jukebox/shell/panel_scroll.h"
#include "jukebox/skin/skin_description.h"
#include "jukebox/tracklist/track_entry.h"

struct TagPageSettings;

// The main window's one-line track display (control 1030): the open track in the
// primary or alternate format, "Opening..." or "No media file opened", or a short
// pop-up. Text wider than the panel scrolls back and forth while the scrolling
// bit is set. A right-button release toggles primary/alternate; a double click
// asks the window to toggle the tracklist.
class CTrackPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kScrollTimer = 3232;  // every `period` ms
    static constexpr int kHoldTimer = 3233;    // the one-second rest, once
    static constexpr int kPopupTimer = 3235;   // end of a pop-up, once
    static constexpr int kDefaultPopupDelayMs = 1000;

    // formats must outlive the panel: the formats are read from it at each use.
    // currentEntry gives the open track (or the store's placeholder); loopOn and
    // randomOn the buttons' states, for the pop-ups.
    CTrackPanel(const TagPageSettings& formats, std::function<TrackEntry()> currentEntry,
                std::function<bool()> loopOn, std::function<bool()> randomOn,
                QWidget* parent = nullptr);

    // Takes the view's "track" entry and glyph sheet: places and shows the panel,
    // shows the current entry in the primary format (clearing the alternate bit)
    // and restarts the scroll.
    void Setup(const SkinEntry& entry, const SkinView& view);
    void SetBits(bool set, int bits);
    int stateBits() const { return stateBits_; }
    // speed is kept for the speed pop-up when it is 0 or more (-1 for none).
    void Popup(int kind, double speed = -1.0);
    void setPopupDelayMs(int ms);
    void ShowPrimary();
    void TogglePrimaryAlternate();
    // The formats changed: the text anew in the format shown now.
    void RefreshText();

    // The formatted track text, and the line painted now.
    const QString& text() const { return text_; }
    const QString& lineShown() const { return line_.text; }

    // What the three timers do; public so that tests can step them.
    void scrollTick();
    void holdElapsed();
    void popupElapsed();
    const PanelScroll& scroll() const { return scroll_; }
    bool holdPending() const { return holdTimer_.isActive(); }
    bool scrollRunning() const { return scrollTimer_.isActive(); }
    int scrollInterval() const { return scrollTimer_.interval(); }
    const PanelLineImage& lineImage() const { return lineImage_; }

Q_SIGNALS:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool visibleInSkin() const { return entry_.show == SkinVisible; }
    PanelLook lookFor(const SkinEntry& entry, const SkinView& view);
    GlyphSheetColours sheetColoursOf(const SkinView& view);
    void setTextFormat(const QString& format);
    void clearScroll();
    void syncScrollTimer();
    PanelLineState lineState() const;
    void redraw();

    const TagPageSettings& formats_;
    std::function<TrackEntry()> currentEntry_;
    std::function<bool()> loopOn_;
    std::function<bool()> randomOn_;

    SkinEntry entry_;
    int stateBits_ = 0;
    int popupKind_ = 0;
    double popupSpeed_ = 1.0;
    QString text_;
    PanelLine line_;
    PanelScroll scroll_;
    PanelLineImage lineImage_;
    qint64 sheetKey_ = 0;  // the glyph sheet whose colours were measured
    QSize sheetCell_;
    GlyphSheetColours sheetColours_;
    QTimer scrollTimer_;
    QTimer holdTimer_;
    QTimer popupTimer_;
};
