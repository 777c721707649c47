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

private:
    QTextBrowser* browser_;
};
