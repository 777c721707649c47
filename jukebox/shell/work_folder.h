#pragma once

#include <QString>

// The jukebox reads and writes its data files (extension lists, skins,
// tracklist, dictionary) in one working folder, and runs with it as its current
// folder. Which folder that is:
//   1. $VELORINE_WORK_DIR when it is set;
//   2. the current folder when it already holds the extension list "audio.flt"
//      (a working folder made by hand, by scripts/run, or by the tests);
//   3. otherwise the user's own, $XDG_DATA_HOME/velorine (~/.local/share/velorine),
//      which is prepared from the shipped data when files are missing there.
struct WorkFolderChoice {
    QString folder;
    bool prepare = false;  // case 1 or 3: fill in what is missing
};
WorkFolderChoice ChooseWorkFolder(const QString& currentFolder);

// Where the shipped data (extension lists, skins) lies for a program in
// programFolder: "../share/velorine/shipped" of an installed program (a folder of
// its own, so that an install never writes over the files of a working folder
// that is "../share/velorine" itself), or the build tree's "work" folder. Empty
// when neither holds the extension lists.
QString ShippedDataFolder(const QString& programFolder);

// Makes folder and gives it what a first start needs: the extension lists and
// an empty tracklist and dictionary when they are missing (files the user has
// are kept, whatever they hold), and the shipped skins: copied where missing,
// and brought up to date where the working folder still holds what was copied
// from them before (".shipped-skins" records that); a shipped file the user
// changed, and skins the user added, stay. False with error set when the folder
// cannot be made or a file cannot be copied; what could be done is done.
bool PrepareWorkFolder(const QString& folder, const QString& shipped, QString& error);
