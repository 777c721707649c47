#pragma once

#include <QByteArray>
#include <QString>

// The short-lived files and folders the jukebox makes carry the id of the process
// that made them, so that a later start can tell what a process that died (a
// crash, kill -9, a power cut) left behind, and remove it without touching what
// a running jukebox still uses.

// ".velorine-<pid>-<random>.tmp": the new file a save writes beside the file it
// replaces.
QByteArray SaveTemporaryName(quint64 random);
// "velorine-skins-<pid>-XXXXXX", a pattern for mkdtemp: the private folder in
// which packed skins are unpacked.
QByteArray SkinFolderPattern();
// The system's temporary folder: $TMPDIR, or /tmp.
QString TemporaryFolder();

// Removes, directly inside folder, what jukebox processes that no longer run left
// there: files ".velorine-<pid>-*.tmp" and folders "velorine-skins-<pid>-*" of
// this user whose process is gone. Names without a process id (from older
// versions: ".velorine-<random>.tmp", "velorine-skins-XXXXXX") go when they are
// older than an hour. Nothing else is touched. Returns how many were removed.
int RemoveLeftovers(const QString& folder);
