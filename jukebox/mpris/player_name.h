#pragma once

#include <QDBusConnection>
#include <QString>
#include <QStringList>

// One jukebox per session: the first start owns the MPRIS name on the session
// bus, and a second start hands its file to it instead of opening a second
// window over the same settings and tracklist.
inline constexpr const char* kPlayerBusName = "org.mpris.MediaPlayer2.velorine";

enum class NameClaim {
    Owned,           // this process has the name
    OwnedElsewhere,  // another process has it
    NoBus,           // no session bus: the jukebox runs alone, as ever
};

// Takes the name if nobody has it; never waits in a queue for it.
NameClaim ClaimPlayerName(QDBusConnection& bus);

// Asks the owner of the name to play files (absolute) with MPRIS OpenUri, one
// call each in order, or, with none, to come to the front (Raise). True when it
// answered the first call within timeoutMs; false for a missing or hung owner,
// when this start goes on.
bool HandOverToOwner(QDBusConnection& bus, const QStringList& files, int timeoutMs);
