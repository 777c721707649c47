#pragma once

#include <QWidget>

class QTextBrowser;

// The jukebox's own help: what the controls of the face do and the keyboard
// map. Shown when no help file is at hand, so that Help always helps.
class CHelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    // The text shown, as HTML.
    static QString HelpHtml();
    QString plainText() const;

    // Where the window goes beside the owner's frame, within the screen: to its
    // right, else to its left, else in the middle of the screen.
    static QPoint PlaceBeside(const QRect& owner, QSize size, const QRect& screen);

private:
    QTextBrowser* browser_;
};
