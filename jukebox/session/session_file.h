#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// What the session file keeps of the working tracklist.
struct SessionState {
    QString listPath;       // the tracklist file the list belongs to
    bool modified = false;  // it holds changes never saved to that file
    int currentIndex = -1;  // -1: no current track
    int positionMs = 0;     // the place in the current track
    QStringList paths;      // the entries in list order
};

enum class SessionRead {
    Ok,
    Missing,  // no file (or it cannot be opened)
    Damaged,  // not a whole session file of this kind
};

// The session file is a tracklist file (UTF-16LE, the mark, CR LF): a few
// comment lines that hold the facts, then one path per line. Written whole or
// not at all, so the paths and the facts always belong together, and the file
// still opens as a tracklist. Unlike a tracklist, paths are read back exactly:
// no line is cut or skipped.
// between (when given) is called after every block made, so that a long list
// can be written with events served; when it returns false, the write gives up
// before the file is replaced, and the result is false.
bool WriteSessionFile(const QString& file, const SessionState& state,
                      const std::function<bool()>& between = {});
// The same with the paths handed out by eachPath (every path to take, in order,
// until take returns false; it is called twice) in place of state.paths, so that
// a long list is written without a copy of all its paths. A walk that ends
// before the paths counted first are all written fails the write.
using SessionPaths = std::function<void(const std::function<bool(const QString&)>& take)>;
bool WriteSessionFile(const QString& file, const SessionState& state, const SessionPaths& eachPath,
                      const std::function<bool()>& between = {});
// Anything short of a whole file as WriteSessionFile writes it is Damaged, and
// state is then left empty.
SessionRead ReadSessionFile(const QString& file, SessionState& state);
