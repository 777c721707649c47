#include "jukebox/shell/shell_tray.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>

#include "jukebox/shell/command_ids.h"

ShellTray::ShellTray(const QIcon& icon, QObject* parent) : QObject(parent), iconImage_(icon) {
    addItem(systemMenu_, QCoreApplication::translate("ShellTray", "Options"),
            CommandId::MenuOptions);
    addItem(systemMenu_, QCoreApplication::translate("ShellTray", "Help"), CommandId::MenuHelp);
    systemMenu_.addSeparator();
    addItem(systemMenu_, QCoreApplication::translate("ShellTray", "Exit"), CommandId::MenuExit);

    play_ = addItem(trayMenu_, QCoreApplication::translate("ShellTray", "Play"), CommandId::Play);
    stop_ = addItem(trayMenu_, QCoreApplication::translate("ShellTray", "Stop"), CommandId::Stop);
    play_->setCheckable(true);
    stop_->setCheckable(true);
    addItem(trayMenu_, QCoreApplication::translate("ShellTray", "Home"), CommandId::Home);
    addItem(trayMenu_, QCoreApplication::translate("ShellTray", "End"), CommandId::End);
    trayMenu_.addSeparator();
    addItem(trayMenu_, QCoreApplication::translate("ShellTray", "Restore"), CommandId::MenuRestore);
    addItem(trayMenu_, QCoreApplication::translate("ShellTray", "Options"), CommandId::MenuOptions);
    addItem(trayMenu_, QCoreApplication::translate("ShellTray", "Help"), CommandId::MenuHelp);
    trayMenu_.addSeparator();
    addItem(trayMenu_, QCoreApplication::translate("ShellTray", "Exit"), CommandId::MenuExit);
    setPlayChecked(false);

    clickTimer_.setSingleShot(true);
    connect(&clickTimer_, &QTimer::timeout, this, &ShellTray::singleClickElapsed);
}

ShellTray::~ShellTray() {
    delete icon_;
}

bool ShellTray::available() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

QAction* ShellTray::addItem(QMenu& menu, const QString& text, int id) {
    QAction* action = menu.addAction(text);
    connect(action, &QAction::triggered, this, [this, id] { Q_EMIT command(id); });
    return action;
}

void ShellTray::popupSystemMenu(QPoint globalPos) {
    systemMenu_.popup(globalPos);
}

void ShellTray::setPlayChecked(bool play) {
    play_->setChecked(play);
    stop_->setChecked(!play);
}

bool ShellTray::playChecked() const {
    return play_->isChecked();
}

void ShellTray::showIcon(const QString& tip) {
    if (icon_ == nullptr) {
        icon_ = new QSystemTrayIcon(iconImage_);
        icon_->setContextMenu(&trayMenu_);
        connect(icon_, &QSystemTrayIcon::activated, this, &ShellTray::iconActivated);
    }
    setTip(tip);
    icon_->show();
}

void ShellTray::setTip(const QString& tip) {
    if (icon_ != nullptr) {
        icon_->setToolTip(tip.left(kMaxTipLength));
    }
}

void ShellTray::hideIcon() {
    clickTimer_.stop();
    if (icon_ != nullptr) {
        icon_->hide();
    }
}

void ShellTray::iconActivated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:
            // Some trays report both clicks of a double click as single ones.
            if (clickTimer_.isActive()) {
                clickTimer_.stop();
                Q_EMIT command(CommandId::MenuRestore);
            } else {
                clickTimer_.start(QApplication::doubleClickInterval());
            }
            break;
        case QSystemTrayIcon::DoubleClick:
            clickTimer_.stop();
            Q_EMIT command(CommandId::MenuRestore);
            break;
        default:
            break;
    }
}

void ShellTray::singleClickElapsed() {
    clickTimer_.stop();
    Q_EMIT command(ControlId::End);
}
