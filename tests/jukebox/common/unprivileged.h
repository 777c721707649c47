#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <string>

// Root passes every permission test, so a check that needs a file or folder the
// user may not read or write runs, under root, in a child process that has
// become the unprivileged user "nobody" (65534), and hands back what it found
// through a pipe; otherwise it runs directly. The check must change nothing but
// files: the child ends without cleaning up.
inline std::string RunUnprivileged(const std::function<std::string()>& check) {
    if (::geteuid() != 0) {
        return check();
    }
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        return "<no pipe>";
    }
    pid_t child = ::fork();
    if (child < 0) {
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        return "<no child>";
    }
    if (child == 0) {
        ::close(pipeEnds[0]);
        bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
        std::string found = dropped ? check() : "<cannot become nobody>";
        for (size_t done = 0; done < found.size();) {
            ssize_t n = ::write(pipeEnds[1], found.data() + done, found.size() - done);
            if (n <= 0 && errno != EINTR) {
                break;
            }
            done += n > 0 ? static_cast<size_t>(n) : 0;
        }
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string found;
    char buffer[4096];
    for (;;) {
        ssize_t n = ::read(pipeEnds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        found.append(buffer, static_cast<size_t>(n));
    }
    ::close(pipeEnds[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? found : "<the child died> " + found;
}
