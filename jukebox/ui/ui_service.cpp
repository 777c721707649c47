#include "jukebox/ui/ui_service.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <utility>

void UiService::dispatchEventsIfDue() {
    if (!sinceDispatch_.isValid() || sinceDispatch_.elapsed() >= dispatchIntervalMs_) {
        dispatchEvents();
        sinceDispatch_.start();
    }
}

QString UiService::openOrNewFileName(const QString& caption, const QString& folder,
                                     const QString& filter, const QString& /*defaultSuffix*/) {
    const QStringList names = openFileNames(caption, folder, filter);
    return names.isEmpty() ? QString() : names.constFirst();
}

UiService::Answer UiService::askYesNoCancel(const QString&) {
    return Answer::Cancel;
}

void UiService::whenNoModal(std::function<void()> task) {
    if (!modalOpen() && waiting_.empty()) {
        task();
        return;
    }
    waiting_.push_back(std::move(task));
}

void UiService::leaveModal() {
    if (--modalDepth_ > 0 || waiting_.empty() || flushPosted_) {
        return;
    }
    // Not here: the caller of the modal interaction goes on first, as it would
    // had nothing waited.
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) {
        runWaitingTasks();
        return;
    }
    flushPosted_ = true;
    std::weak_ptr<UiService*> self = self_;
    QMetaObject::invokeMethod(
        app,
        [self] {
            if (const auto alive = self.lock()) {
                (*alive)->runWaitingTasks();
            }
        },
        Qt::QueuedConnection);
}

void UiService::runWaitingTasks() {
    flushPosted_ = false;
    // A task may open a modal interaction itself: the rest wait for it to end.
    while (!waiting_.empty() && !modalOpen()) {
        std::function<void()> task = std::move(waiting_.front());
        waiting_.erase(waiting_.begin());
        task();
    }
}

void UiService::abandonModals() {
    abandoning_ = true;
    closeModals();
}

QString UiService::openFolderName(const QString&, const QString&) {
    return {};
}
