#pragma once

// The back-and-forth scroll of the track panel's text, without the widget: the
// panel's two timers call hold() (the one-second rest is over) and tick() (one
// scroll step), and draw the text with its left end at offset().
class PanelScroll {
public:
    // What a tick asks of the panel.
    enum class Tick {
        Idle,   // nothing moved
        Rest,   // an end was reached: start the one-second rest (and redraw)
        Moved,  // the offset changed: redraw
    };

    // Windows never ran a window timer faster than this; a skin whose period is 0
    // or negative would otherwise make the scroll timer spin.
    static constexpr int kMinPeriodMs = 10;
    static constexpr int kHoldMs = 1000;

    // The scroll timer's interval for a skin's period.
    static int timerInterval(int periodMs);

    // A new skin entry: pixels per tick (may be zero or negative) and the panel's width.
    void setup(int step, int panelWidth);
    // The shown text's width, measured once per text.
    void setTextWidth(int width) { textWidth_ = width; }

    // Back to the left end, at rest, to head left once the rest is over.
    void clear();
    // The panel's state bits changed.
    void resetVelocity() { velocity_ = step_; }
    // The rest is over: move only when the text is wider than the panel.
    void hold() { moving_ = textWidth_ > panelWidth_; }
    // One scroll step; allowed is the panel's "scrolling allowed" bit.
    Tick tick(bool allowed);

    int offset() const { return offset_; }
    bool moving() const { return moving_; }
    int velocity() const { return velocity_; }
    int textWidth() const { return textWidth_; }

private:
    int step_ = 0;
    int panelWidth_ = 0;
    int textWidth_ = 0;
    int offset_ = 0;  // the text's left end relative to the panel: 0 or negative
    bool moving_ = false;
    int velocity_ = 0;  // signed pixels per tick
};
