#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

// A short status text shown over the cover for the pop-up delay. A new text
// replaces the one shown and starts the delay again.
class CoverStatusText : public QObject {
    Q_OBJECT
public:
    // The number the main window's code and its users know this timer by.
    static constexpr int kTimerNumber = 3237;
    static constexpr int kDefaultDelayMs = 1000;

    explicit CoverStatusText(QObject* parent = nullptr);

    void setDelayMs(int ms);
    // Shows text, or replaces the text shown, for the delay from now.
    void Show(const QString& text);
    // Ends the text at once.
    void End();

    bool shown() const { return shown_; }
    const QString& text() const { return text_; }
    const QTimer& timer() const { return timer_; }

Q_SIGNALS:
    // A text came, was replaced or ended.
    void changed();

private:
    QTimer timer_;
    QString text_;
    bool shown_ = false;
};
