#pragma once

#include <functional>

#include "jukebox/ui/ui_service.h"

// The UI service of the fuzzers: messages are dropped (not even counted: a
// counter would overflow in a long run), prompts and file dialogs cancelled.
// The event pump, which long loops reach between items, runs at every item
// here and can spend a budget: when it is used up the harness is called back
// once, so that it can abort a walk that the input sent somewhere large (a
// tracklist line "/" lists the whole disk).
class FuzzUiService : public UiService {
public:
    FuzzUiService() { setDispatchIntervalMs(0); }

    void showMessage(const QString&) override {}
    void fatal(const QString&) override {}
    bool prompt(const QString&, const QString&, QString&) override { return false; }
    QStringList openFileNames(const QString&, const QString&, const QString&) override {
        return {};
    }
    QString saveFileName(const QString&, const QString&, const QString&, const QString&) override {
        return {};
    }
    void dispatchEvents() override;

    // items < 0: no budget.
    void setDispatchBudget(int items, std::function<void()> whenSpent);

private:
    int left_ = -1;
    std::function<void()> whenSpent_;
};
