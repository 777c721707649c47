#include "jukebox/tracklist/text_pool.h"

#include <algorithm>

void TextPool::intern(QString& text) {
    if (text.isEmpty()) {
        text = QString();
        return;
    }
    auto it = texts_.constFind(text);
    if (it != texts_.constEnd()) {
        text = *it;
        return;
    }
    if (texts_.size() >= pruneAt_) {
        prune();
    }
    // A text read from a tag may carry spare room: the pooled copy is exact.
    text.squeeze();
    texts_.insert(text);
}

void TextPool::prune() {
    for (auto it = texts_.begin(); it != texts_.end();) {
        // Held by the pool alone: no entry uses it.
        it = it->isDetached() ? texts_.erase(it) : std::next(it);
    }
    pruneAt_ = std::max(kMinPruneSize, 2 * texts_.size());
}

void TextPool::clear() {
    texts_.clear();
    pruneAt_ = kMinPruneSize;
}
