#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <functional>

#include "jukebox/session/session_file.h"
#include "jukebox/tracklist/tracklist_observer.h"

class TracklistStore;

// Keeps the working tracklist in the session file of the working folder, so
// that nothing built in the list is lost when the jukebox ends without a Save:
// the file is written a moment after the list changes (kQuietMs after the last
// change, and never later than kLatestMs after the first one not yet written)
// and at every close. At start, unsaved changes of the list's own file come
// back from it, marked; the tracklist file itself is written only by Save.
class TracklistSession : public TracklistObserver {
public:
    static constexpr int kQuietMs = 1000;
    static constexpr int kLatestMs = 2000;
    // Hidden: it is no list of the user's, and Open/New starts in this folder.
    static constexpr const char* kFileName = ".session.trk";

    // What the start does with the session file read (null: none, or damaged).
    struct StartPlan {
        bool restoreList = false;  // the list comes from the session, not its file
        int currentIndex = -1;     // the entry that was current, and its path,
        QString currentPath;       // to find it again should the list differ
        int positionMs = 0;
    };
    // A session of another tracklist file than trackfile counts for nothing.
    static StartPlan PlanStart(const SessionState* saved, const QString& trackfile);

    // positionMs gives the place in the current track when the file is written.
    TracklistSession(TracklistStore& store, const QString& folder, std::function<int()> positionMs);
    ~TracklistSession() override;
    TracklistSession(const TracklistSession&) = delete;
    TracklistSession& operator=(const TracklistSession&) = delete;

    // The start-up load of the store's tracklist file, or of the session's list
    // in its place. Until it has ended whole, the session file is not written:
    // it may hold the only copy of what is being loaded.
    void LoadAtStart();
    // After LoadAtStart: the entry that was current becomes current again; true
    // when there is one that can be opened, then resumePositionMs is the place
    // to go on from.
    bool ResumeCurrent();
    int resumePositionMs() const { return resumeMs_; }

    // A write the timer starts calls pump between its blocks, so that a long
    // list is written with events served. None by default.
    void setEventPump(std::function<void()> pump) { pump_ = std::move(pump); }

    // Writes the session now (a close, the desktop session ending), without
    // serving events. False when nothing was written.
    bool Flush();
    bool writePending() const { return pending_; }
    const QString& file() const { return file_; }

    void listChanged() override;

private:
    void timerFired();
    bool write(bool serveEvents);
    // The facts of the list, without its paths (write hands them over one by one).
    SessionState state() const;
    bool isSessionFile(const QString& path) const;

    TracklistStore& store_;
    QString file_;
    std::function<int()> positionMs_;
    QTimer timer_;
    QElapsedTimer firstChange_;  // the first change not yet written
    QElapsedTimer lastChange_;
    bool pending_ = false;
    bool ready_ = false;
    std::function<void()> pump_;
    // Writes begun, and those under way: a write serving events gives way to
    // one begun meanwhile (a close's Flush).
    unsigned writes_ = 0;
    int writing_ = 0;
    StartPlan plan_;
    int resumeMs_ = 0;
};
