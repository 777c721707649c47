#pragma once

#include <QList>
#include <QMenu>
#include <functional>

// The video window's menu: Filter, Pause, Reset, Fullscreen, Maximize and the
// Zoom, Shrink and Conform submenus. Every item sends its command id.
class VideoWindowMenu {
public:
    explicit VideoWindowMenu(std::function<void(int)> command);

    QMenu& menu() { return main_; }
    QMenu& zoom() { return zoom_; }
    QMenu& shrink() { return shrink_; }
    QMenu& conform() { return conform_; }

    // While maximized or full screen the items from Pause to Zoom are grey;
    // Filter, Shrink and Conform stay usable.
    void setGreyed(bool greyed);
    bool greyed() const { return greyed_; }

private:
    QAction* addItem(QMenu& menu, const QString& text, int id);

    std::function<void(int)> command_;
    QMenu main_;
    QMenu zoom_;
    QMenu shrink_;
    QMenu conform_;
    QList<QAction*> greyable_;  // main menu positions 1 to 8
    bool greyed_ = false;
};
