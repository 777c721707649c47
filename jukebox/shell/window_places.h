#pragma once

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <array>

#include "jukebox/ui/side_placement.h"

struct AppSettings;

// The places of the windows around the face that the settings keep none for
// (a first start): beside the face, on its screen, never over it. Until such a
// window first shows, its place follows the face wherever the face is when it
// is worked out (at start, before the window shows, before the settings are
// written); once the window shows, the place is its own. A decorated window is
// set right once the window manager tells the frame it drew, which Qt cannot
// know before. Windows with a stored place keep it as it is.
class WindowPlaces : public QObject {
    Q_OBJECT
public:
    // In the order they are placed: each avoids the ones before it.
    enum Side { Tracklist, Cover, Video, Dictionary, Options };
    static constexpr int kSideCount = 5;

    WindowPlaces(QWidget& face, AppSettings& settings);

    // The window of a side; decorated when the window manager frames it.
    // stored: the settings keep its place.
    void setWindow(Side side, QWidget* window, bool decorated, bool stored);

    // Works out the place of every window that has none yet, against the face
    // where it is now.
    void PlaceUnplaced();
    // The video window has taken the size of its first video: placed by the
    // rule in this run, it is placed again for that size.
    void VideoSized();
    // The room the video window's first size may take: beside the face while
    // its place is the rule's; an invalid size once it has a place of its own.
    QSize VideoRoom(QSize picture) const;

    // Where a side's frame is, or would be once shown.
    QRect frameOf(Side side) const;
    // The frame's margins the window manager draws, as far as known.
    QMargins marginsOf(Side side) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QPointer<QWidget> window;
        SidePlacement::Kind kind = SidePlacement::Kind::Centred;
        bool decorated = false;
        bool placed = false;   // stored, or shown in this run: not worked out again
        bool ruled = false;    // shown at a place worked out in this run
        bool watched = false;  // waiting for the window manager to tell its frame
    };

    void place(Side side);
    void apply(Side side, const QRect& frame);
    QList<QRect> framesToAvoid(Side side) const;
    void firstShown(Side side);
    void frameKnown(Side side);
    QRect faceFrame() const;
    QRect screenArea() const;

    QWidget& face_;
    AppSettings& settings_;
    std::array<Entry, kSideCount> sides_{};
    // The frame decorated windows get, learned from the first one framed.
    QMargins decoration_;
};
