#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <array>

#include "jukebox/shell/auto_repeat.h"
#include "jukebox/shell/button_band.h"

struct SkinEntry;

// A button of the face, drawn from its rectangle of the skin's panel bitmap in
// the band of its state. It never runs a command itself: it emits command(id)
// and the main window routes it. It takes no keyboard focus, so every key
// reaches the main window.
class CSkinButton : public QWidget {
    Q_OBJECT
public:
    CSkinButton(int id, bool autoRepeat, QWidget* parent);

    // Places the button at its entry's rectangle (shown only when the entry is
    // visible) and cuts its five bands out of the panel.
    void setup(const SkinEntry& entry, const QImage& panel, int faceHeight);

    int id() const { return id_; }
    void setOn(bool on);
    bool isOn() const { return on_; }
    void setAppActive(bool active);
    bool hover() const { return hover_; }
    // Held down by the left button.
    bool isDown() const { return repeat_.held(); }
    // After a command that may have moved things, drop a stale hover look.
    void clearHoverUnlessUnderCursor();
    // The band shown now (ButtonBandIndex).
    int band() const;

Q_SIGNALS:
    void command(int id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void onFirstTimer();
    void onRepeatTimer();
    void leave();
    void syncTimers();
    void setHover(bool hover);

    int id_;
    AutoRepeat repeat_;
    QTimer firstTimer_;
    QTimer repeatTimer_;
    std::array<QPixmap, ButtonBandIndex::Count> bands_;
    bool on_ = false;
    bool appActive_ = true;
    bool hover_ = false;
};
