#pragma once

#include <QSet>
#include <QString>

// Equal texts held once: the artist, album, genre and year of an album repeat
// in every one of its tracks, and a list of 100,000 entries would otherwise
// keep as many copies. A pooled text shares the pool's buffer (QString is
// implicitly shared), so an entry still owns its texts as values.
class TextPool {
public:
    // Makes text share the buffer of an equal pooled text, pooling it when
    // it is new. Empty texts are made null and never pooled.
    void intern(QString& text);
    // Lets go of the texts no entry holds any more.
    void prune();
    void clear();
    qsizetype size() const { return texts_.size(); }

private:
    QSet<QString> texts_;
    // Pruned when the pool has grown this big since the last time, so that
    // texts of removed entries cost at most as much again as those in use.
    qsizetype pruneAt_ = kMinPruneSize;
    static constexpr qsizetype kMinPruneSize = 4096;
};
