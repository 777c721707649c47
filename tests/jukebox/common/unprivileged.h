#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>

// Root passes every permission test, so a check that needs a file or folder the
// user may not write runs, under root, in a child process that has become the
// unprivileged user "nobody" (65534); otherwise it runs directly. The check must
// touch nothing but files: the child ends without cleaning up. True when the check
// returned true.
inline bool RunUnprivileged(const std::function<bool()>& check) {
    if (::geteuid() != 0) {
        return check();
    }
    pid_t child = ::fork();
    if (child < 0) {
        return false;
    }
    if (child == 0) {
        bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
        ::_exit(dropped && check() ? 0 : 1);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
