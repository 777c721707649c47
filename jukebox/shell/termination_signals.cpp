#include "jukebox/shell/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <ctime>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
int pipeFds[2] = {-1, -1};
sem_t* watchdogWake = nullptr;
volatile sig_atomic_t firstSignal = 0;

extern "C" void onSignal(int signalNumber) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a request; this one may be dropped.
    [[maybe_unused]] const ssize_t written = ::write(pipeFds[1], &byte, 1);
    if (firstSignal == 0) {
        firstSignal = signalNumber;
        if (watchdogWake != nullptr) {
            ::sem_post(watchdogWake);  // safe in a signal handler
        }
    }
    errno = saved;
}

void writeError(const char* text) {
    size_t length = 0;
    while (text[length] != '\0') {
        ++length;
    }
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, text, length);
}

void setHandler(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : kSignals) {
        sigaction(signalNumber, &action, nullptr);
    }
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (pipeFds[0] >= 0 || ::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    notifier_ = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
    if (::sem_init(&wake_, 0, 0) == 0) {
        watchdogWake = &wake_;
        watchdog_ = std::thread([this] { watch(); });
    }
    setHandler(onSignal);
}

void TerminationSignals::watch() {
    while (::sem_wait(&wake_) != 0 && errno == EINTR) {
    }
    if (stopping_) {
        return;
    }
    // The close sequence has the deadline; the program's normal end stops the wait.
    timespec deadline{};
    ::clock_gettime(CLOCK_REALTIME, &deadline);
    deadline.tv_sec += kDeadlineMs / 1000;
    deadline.tv_nsec += static_cast<long>(kDeadlineMs % 1000) * 1000000L;
    if (deadline.tv_nsec >= 1000000000L) {
        deadline.tv_sec += 1;
        deadline.tv_nsec -= 1000000000L;
    }
    while (::sem_timedwait(&wake_, &deadline) != 0) {
        if (errno == ETIMEDOUT) {
            writeError("velorine: did not close in time after a signal; ending now\n");
            ::_exit(128 + firstSignal);
        }
        if (errno != EINTR) {
            return;
        }
    }
}

TerminationSignals::~TerminationSignals() {
    if (notifier_ == nullptr) {
        return;
    }
    setHandler(SIG_DFL);
    if (watchdog_.joinable()) {
        stopping_ = true;
        ::sem_post(&wake_);  // wakes the thread from either wait
        watchdog_.join();
        watchdogWake = nullptr;
        ::sem_destroy(&wake_);
    }
    delete notifier_;
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    pipeFds[0] = pipeFds[1] = -1;
}

void TerminationSignals::readPipe() {
    unsigned char byte = 0;
    while (::read(pipeFds[0], &byte, 1) == 1) {
        Q_EMIT received(byte);
    }
}
