#pragma once

#include <string>
#include <vector>

// The files the tag commands work on: each argument that names a folder stands
// for every MP3 file below it, walked as Marlowisp lists a dropped folder (natural
// order: case ignored, numbers by value, folder by folder); any other argument is
// kept as it was given, in its place. Paths are bytes, as on the command line.
std::vector<std::string> expandMp3Paths(const std::vector<std::string>& arguments);

// True when path names a folder (links followed).
bool isFolder(const std::string& path);
