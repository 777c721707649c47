#pragma once

#include <semaphore.h>
#include <QObject>

#include <atomic>
#include <thread>

class QSocketNotifier;

// Turns SIGTERM, SIGHUP and SIGINT into a Qt signal on the user-interface
// thread, so that `kill`, a closed terminal or Ctrl+C end the program through
// its normal close sequence (the settings are saved) instead of killing it. The
// handler only writes the signal's number into a pipe; a socket notifier reads
// it in the event loop. One instance per process.
//
// A signal must end the program within a second whatever it is doing, even if
// the user-interface thread is stuck (a device that does not answer): a
// watchdog thread, woken by the handler, ends the process when the close
// sequence has not done so by then.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // False when the pipe could not be made: the signals keep their default.
    bool installed() const { return notifier_ != nullptr; }

    // How long the close sequence may take after a signal.
    static constexpr int kDeadlineMs = 1000;

Q_SIGNALS:
    void received(int signalNumber);

private:
    void readPipe();
    void watch();

    QSocketNotifier* notifier_ = nullptr;
    sem_t wake_{};
    std::atomic<bool> stopping_{false};
    std::thread watchdog_;
};
