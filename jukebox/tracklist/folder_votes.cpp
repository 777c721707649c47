#include "jukebox/tracklist/folder_votes.h"

#include <algorithm>

void FolderVotes::begin() {
    folders_.clear();
    last_ = nullptr;
    active_ = true;
}

void FolderVotes::note(int index, const QString& path, const CodePageScores& scores, int codePage) {
    if (!active_ || !scores.evidence) {
        return;  // plain ASCII reads alike in every code page and does not vote
    }
    const QStringView folder =
        QStringView(path).left(std::max<qsizetype>(path.lastIndexOf(u'/'), 0));
    if (last_ == nullptr || folder != lastFolder_) {
        lastFolder_ = folder.toString();
        last_ = &folders_[lastFolder_];
    }
    last_->vote.add(scores);
    last_->noted.push_back({index, scores, codePage});
}

void FolderVotes::settle(const std::function<void(int, const CodePageVote&)>& reread) {
    active_ = false;
    for (const auto& [name, folder] : folders_) {
        if (folder.vote.voters() < 2) {
            continue;  // one tag alone has nothing to be outvoted by
        }
        for (const Noted& noted : folder.noted) {
            if (folder.vote.decide(noted.scores).codePage != noted.codePage) {
                reread(noted.index, folder.vote);
            }
        }
    }
    folders_.clear();
    last_ = nullptr;
}
