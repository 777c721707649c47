#include "converter/folder_votes.h"

#include <filesystem>

#include "taglib/local_path.h"
#include "taglib/tag_record.h"

namespace {

std::string folderOf(const std::string& path) {
    std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (parent.empty()) {
        parent = ".";
    }
    return parent.lexically_normal().string();
}

}  // namespace

void FolderVotes::gather(const std::vector<std::string>& files) {
    TagRecord record;
    for (const std::string& file : files) {
        CodePageScores scores;
        if (record.open(LocalPathToUtf16(file)) && record.scoreBlock(scores)) {
            votes_[folderOf(file)].add(scores);
        }
        record.close();
    }
}

const CodePageVote* FolderVotes::of(const std::string& file) const {
    auto found = votes_.find(folderOf(file));
    return found == votes_.end() ? nullptr : &found->second;
}
