#include "jukebox/video_window/video_window_menu.h"

#include <QCoreApplication>

#include "jukebox/video_window/video_view.h"

using namespace VideoView;

VideoWindowMenu::VideoWindowMenu(std::function<void(int)> command) : command_(std::move(command)) {
    zoom_.setTitle(QCoreApplication::translate("CVideoWnd", "Zoom"));
    shrink_.setTitle(QCoreApplication::translate("CVideoWnd", "Shrink"));
    conform_.setTitle(QCoreApplication::translate("CVideoWnd", "Conform"));
    for (int n = 1; n <= 9; ++n) {
        addItem(zoom_, QStringLiteral("%1x\tShift+%1").arg(n), kCmdZoomBase + n);
        const QString shrinkText =
            n == 1 ? QStringLiteral("1x\tCtrl+1") : QStringLiteral("1/%1x\tCtrl+%1").arg(n);
        addItem(shrink_, shrinkText, kCmdShrinkBase + n);
        addItem(
            conform_,
            QStringLiteral("%1x%2\tAlt+%3").arg(kConformWidth * n).arg(kConformHeight * n).arg(n),
            kCmdConformBase + n);
    }
    addItem(main_, QCoreApplication::translate("CVideoWnd", "Filter\tCtrl-F"), kCmdFilter);
    greyable_ << main_.addSeparator();
    greyable_ << addItem(main_, QCoreApplication::translate("CVideoWnd", "Pause\tSpace"),
                         kCmdPause);
    greyable_ << main_.addSeparator();
    greyable_ << addItem(main_, QCoreApplication::translate("CVideoWnd", "Reset"), kCmdReset);
    greyable_ << addItem(main_, QCoreApplication::translate("CVideoWnd", "Fullscreen\tAlt+Enter"),
                         kCmdFullscreen);
    greyable_ << addItem(main_, QCoreApplication::translate("CVideoWnd", "Maximize\tDbl-Click"),
                         kCmdMaximize);
    greyable_ << main_.addSeparator();
    greyable_ << main_.addMenu(&zoom_);
    main_.addMenu(&shrink_);
    main_.addMenu(&conform_);
}

QAction* VideoWindowMenu::addItem(QMenu& menu, const QString& text, int id) {
    QAction* action = menu.addAction(text);
    QObject::connect(action, &QAction::triggered, [this, id] { command_(id); });
    return action;
}

void VideoWindowMenu::setGreyed(bool greyed) {
    greyed_ = greyed;
    for (QAction* action : greyable_) {
        action->setEnabled(!greyed);
    }
}
