#include "tests/jukebox/cover/child_run.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer's runtime (its header is not installed here).
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*, size_t),
                                                         void (*)(const volatile void*));
#endif

namespace {

constexpr int kOverMemory = 3;
constexpr int kThrew = 4;

#if defined(__SANITIZE_ADDRESS__)
size_t largestAllowed = 0;

void onAllocate(const volatile void*, size_t size) {
    if (size > largestAllowed) {
        _exit(kOverMemory);
    }
}

void onFree(const volatile void*) {}

void limitMemory(size_t extra) {
    largestAllowed = extra;
    __sanitizer_install_malloc_and_free_hooks(onAllocate, onFree);
}
#else
size_t addressSpaceInUse() {
    std::ifstream statm("/proc/self/statm");
    size_t pages = 0;
    statm >> pages;
    return pages * size_t(sysconf(_SC_PAGESIZE));
}

void limitMemory(size_t extra) {
    rlimit limit{};
    limit.rlim_cur = limit.rlim_max = addressSpaceInUse() + extra;
    setrlimit(RLIMIT_AS, &limit);
}
#endif

}  // namespace

bool FinishesInChild(const std::function<bool()>& call, const ChildLimits& limits) {
    std::fflush(nullptr);
    pid_t child = fork();
    if (child < 0) {
        return false;
    }
    if (child == 0) {
        alarm(limits.seconds);
        if (limits.extraMemory > 0) {
            limitMemory(limits.extraMemory);
        }
        // The child must not return into the test framework: it would report
        // an escaped exception as a failure of its own and run on.
        try {
            _exit(call() ? 0 : 1);
        } catch (...) {
            _exit(kThrew);
        }
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
