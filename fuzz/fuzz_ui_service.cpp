#include "fuzz/fuzz_ui_service.h"

#include <utility>

void FuzzUiService::setDispatchBudget(int items, std::function<void()> whenSpent) {
    left_ = items;
    whenSpent_ = std::move(whenSpent);
}

void FuzzUiService::dispatchEvents() {
    if (left_ < 0) {
        return;
    }
    if (left_ == 0 && whenSpent_) {
        whenSpent_();
    }
    --left_;
}
