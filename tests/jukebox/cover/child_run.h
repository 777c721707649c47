#pragma once

#include <cstddef>
#include <functional>

// Runs a call in a child process, so that a test can watch for what would end or
// hang the test program itself: a hang, an exception that escapes, or a reader
// that asks for far more memory than its input justifies.
struct ChildLimits {
    unsigned seconds = 30;   // the child is killed after this long
    size_t extraMemory = 0;  // 0 for no limit
};

// True when the child finished within the limits and call returned true.
// Memory: the child's address space may grow by at most extraMemory. Under
// AddressSanitizer, which reserves vast address space up front, any single
// allocation larger than extraMemory ends the child instead.
bool FinishesInChild(const std::function<bool()>& call, const ChildLimits& limits);
