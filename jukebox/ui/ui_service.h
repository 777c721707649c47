#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

// Every modal interaction and every event pump of the programs goes through this
// service, so that logic can run headless: the programs install the Qt one, tests
// install one that records messages, answers prompts and never blocks.
class UiService {
public:
    virtual ~UiService() = default;

    // A modal message box with an OK button.
    virtual void showMessage(const QString& text) = 0;

    // Shows text and ends the program with exit code 1. A test's service records
    // the message and returns, so callers must stop after calling it.
    virtual void fatal(const QString& text) = 0;

    // The prompt dialog: caption, one prompt line and an edit box starting with
    // text. True on OK, with text set to what was typed; false on Cancel, with text
    // unchanged.
    virtual bool prompt(const QString& caption, const QString& promptLine, QString& text) = 0;

    // A question with Yes, No and Cancel buttons. By default: Cancel, the
    // answer that changes nothing.
    enum class Answer { Yes, No, Cancel };
    virtual Answer askYesNoCancel(const QString& text);

    // File dialogs. filter is in Qt's form ("Tracklists (*.trk *.alb)"); an empty
    // result means the user cancelled.
    virtual QStringList openFileNames(const QString& caption, const QString& folder,
                                      const QString& filter) = 0;
    virtual QString saveFileName(const QString& caption, const QString& folder,
                                 const QString& filter, const QString& defaultSuffix) = 0;
    // An open dialog in which a file that does not exist yet may be named (to be
    // created); defaultSuffix is added to a name typed without one. By default the
    // first answer of openFileNames.
    virtual QString openOrNewFileName(const QString& caption, const QString& folder,
                                      const QString& filter, const QString& defaultSuffix);

    // Handles the events that are waiting (long loops call this between items).
    virtual void dispatchEvents() = 0;

    // Calls dispatchEvents when kDispatchIntervalMs have passed since the last
    // time, so that a loop over 100,000 items stays responsive without paying for
    // an event pump at every item.
    void dispatchEventsIfDue();

    static constexpr int kDispatchIntervalMs = 20;
    // Tests set 0 to reach the event pump at every point where a loop may.
    void setDispatchIntervalMs(int ms) { dispatchIntervalMs_ = ms; }

private:
    QElapsedTimer sinceDispatch_;
    int dispatchIntervalMs_ = kDispatchIntervalMs;
};
