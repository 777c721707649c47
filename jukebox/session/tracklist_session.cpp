#include "jukebox/session/tracklist_session.h"

#include <QFileInfo>
#include <algorithm>
#include <utility>

#include "jukebox/common/path_functions.h"
#include "jukebox/tracklist/tracklist_store.h"

namespace {

bool sameFile(const QString& a, const QString& b) {
    return a == b || QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

}  // namespace

TracklistSession::StartPlan TracklistSession::PlanStart(const SessionState* saved,
                                                        const QString& trackfile) {
    StartPlan plan;
    if (saved == nullptr || !sameFile(saved->listPath, trackfile)) {
        return plan;
    }
    plan.restoreList = saved->modified;
    if (saved->currentIndex >= 0 && saved->currentIndex < saved->paths.size()) {
        plan.currentIndex = saved->currentIndex;
        plan.currentPath = saved->paths[saved->currentIndex];
        plan.positionMs = saved->positionMs;
    }
    return plan;
}

TracklistSession::TracklistSession(TracklistStore& store, const QString& folder,
                                   std::function<int()> positionMs)
    : store_(store),
      file_(JoinPath(folder, QString::fromLatin1(kFileName))),
      positionMs_(std::move(positionMs)) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] { timerFired(); });
    store_.setChangeObserver(this);
}

TracklistSession::~TracklistSession() {
    store_.setChangeObserver(nullptr);
}

bool TracklistSession::isSessionFile(const QString& path) const {
    return sameFile(path, file_);
}

void TracklistSession::LoadAtStart() {
    SessionState saved;
    const bool readable = ReadSessionFile(file_, saved) == SessionRead::Ok;
    // Opened as a list of its own, the session file is the user's: it is
    // loaded as such and never written here.
    const QString trackfile = store_.tracklistPath();
    plan_ = readable && !isSessionFile(trackfile) ? PlanStart(&saved, trackfile) : StartPlan();
    if (plan_.restoreList) {
        store_.RestoreTracklist(saved.paths);
    } else {
        // A copy of every path the load is about to read again: not kept while it runs.
        saved = SessionState();
        store_.LoadTracklist();
    }
    ready_ = !store_.loadAborted();
    if (ready_ && pending_) {
        timer_.start(kQuietMs);
    }
}

bool TracklistSession::ResumeCurrent() {
    const StartPlan plan = std::exchange(plan_, StartPlan());
    if (plan.currentIndex < 0 || !ready_) {
        return false;
    }
    int index = plan.currentIndex;
    // The list may have come back otherwise (a file gone, an extension no
    // longer listed): the entry is found by its path.
    if (index >= store_.EntryCount() || store_.EntryAt(index).path != plan.currentPath) {
        index = store_.IndexOfPath(plan.currentPath);
    }
    if (index < 0) {
        return false;
    }
    resumeMs_ = plan.positionMs;
    store_.SetCurrent(index);
    // A file gone since is current still, but opening it would only greet
    // the start with a failure.
    return store_.EntryAt(index).playable != 0;
}

void TracklistSession::listChanged() {
    lastChange_.start();
    if (!pending_) {
        pending_ = true;
        firstChange_.start();
    }
    if (ready_ && !timer_.isActive()) {
        timer_.start(kQuietMs);
    }
}

void TracklistSession::timerFired() {
    if (!pending_ || !ready_) {
        return;
    }
    const qint64 quiet = lastChange_.elapsed();
    const qint64 waited = firstChange_.elapsed();
    if (quiet < kQuietMs && waited < kLatestMs) {
        timer_.start(static_cast<int>(std::min(kQuietMs - quiet, kLatestMs - waited)));
        return;
    }
    write(true);
}

bool TracklistSession::Flush() {
    return write(false);
}

bool TracklistSession::write(bool serveEvents) {
    if (!ready_ || isSessionFile(store_.tracklistPath())) {
        return false;
    }
    if (serveEvents && writing_ > 0) {
        timer_.start(kQuietMs);  // the changes go with a later write
        return false;
    }
    timer_.stop();
    pending_ = false;
    const unsigned mine = ++writes_;
    std::function<bool()> between;
    if (serveEvents && pump_) {
        between = [this, mine] {
            pump_();
            return writes_ == mine;
        };
    }
    ++writing_;
    // The paths are handed to the writer from the list itself: a copy of
    // 100,000 of them would be the largest block of the whole run. An edit
    // while events are served ends the walk, and with it this write; the edit
    // asks for the next one.
    const bool written = store_.loading()
                             ? WriteSessionFile(file_, state(), between)
                             : WriteSessionFile(
                                   file_, state(),
                                   [this](const std::function<bool(const QString&)>& take) {
                                       store_.forEachPath(take);
                                   },
                                   between);
    --writing_;
    if (writes_ != mine) {
        return false;  // a write begun meanwhile took its place
    }
    pending_ = !written;  // tried again at the next change or close
    return written;
}

SessionState TracklistSession::state() const {
    SessionState state;
    state.listPath = store_.tracklistPath();
    // A load under way (Open/New) has given up the list it replaces; until it
    // ends, the file being loaded is the list.
    if (store_.loading()) {
        return state;
    }
    state.modified = store_.hasUnsavedChanges();
    state.currentIndex = store_.currentIndex();
    if (state.currentIndex >= 0 && state.currentIndex < store_.EntryCount() && positionMs_) {
        state.positionMs = positionMs_();
    }
    return state;
}
