#pragma once

#include <QHashFunctions>
#include <QString>
#include <functional>
#include <unordered_map>
#include <vector>

#include "taglib/code_page_detector.h"

// The tags of the files of one folder, read together (a folder added, a list
// loaded, the list read again), vote on their code page: a two-character artist
// is read the way its album is. Each tag is first read on its own; the few that
// their folder reads otherwise are read again with the folder's votes.
class FolderVotes {
public:
    // Starts a batch: nothing noted before counts.
    void begin();
    bool active() const { return active_; }
    // The entry at index, the file at path, was read detecting, in codePage, with
    // these scores.
    void note(int index, const QString& path, const CodePageScores& scores, int codePage);
    // Ends the batch: reread(index, vote) for each noted entry whose folder's
    // votes name another code page than the one it was read in.
    void settle(const std::function<void(int index, const CodePageVote& vote)>& reread);

private:
    struct Noted {
        int index;
        CodePageScores scores;
        int codePage;
    };
    struct Folder {
        CodePageVote vote;
        std::vector<Noted> noted;
    };
    // Node-based, so that the folder noted last stays where it is: the files of
    // a folder come one after another and find it without a lookup.
    struct NameHash {
        size_t operator()(const QString& name) const { return qHash(name); }
    };
    std::unordered_map<QString, Folder, NameHash> folders_;
    Folder* last_ = nullptr;
    QString lastFolder_;
    bool active_ = false;
};
