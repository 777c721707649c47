#pragma once

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

class QAction;

// The main window's two pop-up menus and its tray icon. The system menu holds
// Options, Help and Exit; the tray menu the transport, Restore, Options, Help
// and Exit, with a check on Play or on Stop. A single click on the tray icon
// skips to the next track once the double-click time has passed without a
// second click; a double click restores the window. Every choice comes out as
// command(id).
class ShellTray : public QObject {
    Q_OBJECT
public:
    // The tool tip of the tray icon holds at most this many characters.
    static constexpr int kMaxTipLength = 127;

    explicit ShellTray(const QIcon& icon, QObject* parent = nullptr);
    ~ShellTray() override;

    // Whether the desktop has a tray to put the icon in.
    static bool available();

    void popupSystemMenu(QPoint globalPos);
    QMenu& systemMenu() { return systemMenu_; }
    QMenu& trayMenu() { return trayMenu_; }
    // The check mark on "Play" (true) or on "Stop".
    void setPlayChecked(bool play);
    bool playChecked() const;

    // The icon in the tray, with the open track's name as its tip.
    void showIcon(const QString& tip);
    void setTip(const QString& tip);
    void hideIcon();
    bool iconShown() const { return icon_ != nullptr && icon_->isVisible(); }

    // What a click on the icon does (also reached by tests).
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    bool clickPending() const { return clickTimer_.isActive(); }

Q_SIGNALS:
    void command(int id);

private:
    QAction* addItem(QMenu& menu, const QString& text, int id);
    void singleClickElapsed();

    QIcon iconImage_;
    QMenu systemMenu_;
    QMenu trayMenu_;
    QAction* play_ = nullptr;
    QAction* stop_ = nullptr;
    QSystemTrayIcon* icon_ = nullptr;
    QTimer clickTimer_;  // 3206
};
