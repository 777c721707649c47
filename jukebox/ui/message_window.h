#pragma once

#include <QWidget>

class QLabel;

// The one window for messages that need no answer: it shows the latest text and
// how many came before it since the user last dismissed it. It never takes the
// keyboard from the window the user works in and never waits for anyone, so a
// string of failing files cannot pile up boxes or stop the music.
class CMessageWindow : public QWidget {
    Q_OBJECT
public:
    explicit CMessageWindow(QWidget* owner = nullptr);

    void showText(const QString& text);
    QString text() const;
    // Messages shown before the latest one since the window was dismissed.
    int earlierCount() const { return earlier_; }

protected:
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void placeBesideOwner();

    QLabel* text_;
    QLabel* earlierLine_;
    int earlier_ = 0;
    bool hasText_ = false;
};
