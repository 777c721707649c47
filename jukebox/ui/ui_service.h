#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

// Every modal interaction and every event pump of the programs goes through this
// service, so that logic can run headless: the programs install the Qt one, tests
// install one that records messages, answers prompts and never blocks.
class UiService {
public:
    virtual ~UiService() = default;

    // A modal message box with an OK button.
    virtual void showMessage(const QString& text) = 0;

    // A message about something that went wrong while the program goes on (a file
    // that cannot be played): shown without waiting for anyone, so nothing stops.
    // By default it goes where messages go.
    virtual void notify(const QString& text) { showMessage(text); }

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

    // A folder dialog; an empty result means the user cancelled. By default none
    // is shown.
    virtual QString openFolderName(const QString& caption, const QString& folder);

    // Handles the events that are waiting (long loops call this between items).
    virtual void dispatchEvents() = 0;

    // Modal interactions (message boxes, questions, prompts, file dialogs) run
    // their own event loop. What comes from outside the user's hand there (a
    // remote control, a hand-over, a timer, a signal) waits for them to end:
    // whenNoModal runs task now when none is open, else once the last one has
    // closed and control is back in the main loop, in the order given.
    bool modalOpen() const { return modalDepth_ > 0; }
    void whenNoModal(std::function<void()> task);
    // The program is closing: every open modal interaction ends now with the
    // answer that changes nothing, and later ones are not shown at all.
    void abandonModals();
    bool abandoning() const { return abandoning_; }

    // Calls dispatchEvents when kDispatchIntervalMs have passed since the last
    // time, so that a loop over 100,000 items stays responsive without paying for
    // an event pump at every item.
    void dispatchEventsIfDue();

    // A third of a frame of a 60 Hz screen: with the item under way and the
    // pump itself, the events are still served within the frame.
    static constexpr int kDispatchIntervalMs = 5;
    // Tests set 0 to reach the event pump at every point where a loop may.
    void setDispatchIntervalMs(int ms) { dispatchIntervalMs_ = ms; }

protected:
    // Held around a modal interaction by the services that show them.
    class ModalScope {
    public:
        explicit ModalScope(UiService& ui) : ui_(ui) { ++ui_.modalDepth_; }
        ~ModalScope() { ui_.leaveModal(); }
        ModalScope(const ModalScope&) = delete;
        ModalScope& operator=(const ModalScope&) = delete;

    private:
        UiService& ui_;
    };
    // Closes the modal interactions shown now (abandonModals).
    virtual void closeModals() {}

private:
    void leaveModal();
    void runWaitingTasks();

    int modalDepth_ = 0;
    bool abandoning_ = false;
    bool flushPosted_ = false;
    // Lets a posted run of the waiting tasks find out that the service is gone.
    std::shared_ptr<UiService*> self_ = std::make_shared<UiService*>(this);
    std::vector<std::function<void()>> waiting_;
    QElapsedTimer sinceDispatch_;
    int dispatchIntervalMs_ = kDispatchIntervalMs;
};
