#pragma once

#include <functional>

#include "jukebox/ui/quiet_ui_service.h"

// The UI service of the fuzzers: messages are dropped (not even counted: a
// counter would overflow in a long run), prompts and file dialogs cancelled.
// The event pump, which long loops reach between items, runs at every item
// here and can spend a budget: when it is used up the harness is called back
// once, so that it can abort a walk that the input sent somewhere large (a
// tracklist line "/" lists the whole disk).
class FuzzUiService : public QuietUiService {
public:
    FuzzUiService() { setDispatchIntervalMs(0); }

    void dispatchEvents() override;

    // items < 0: no budget.
    void setDispatchBudget(int items, std::function<void()> whenSpent);

private:
    int left_ = -1;
    std::function<void()> whenSpent_;
};
