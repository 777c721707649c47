#pragma once

#include <map>
#include <string>
#include <vector>

#include "taglib/code_page_detector.h"

// The code-page votes of the tags of each folder, so that a tag too short to tell
// reads the way the other tags of its folder do. A folder is the folder of a path
// as written, so "a.mp3" and "./b.mp3" are in one.
class FolderVotes {
public:
    // Weighs the tag of every file that has one.
    void gather(const std::vector<std::string>& files);
    // The votes of a file's folder, or nullptr.
    const CodePageVote* of(const std::string& file) const;

private:
    std::map<std::string, CodePageVote> votes_;
};
