#pragma once

#include <QString>

#include "jukebox/tracklist/track_entry.h"

class ExtensionLists;
class TagRecord;
class UiService;

// Works out an entry for one path: its media kind from the extension lists, and
// its texts from the file's ID3v1 tag or, failing that, from the dictionary.
class EntryBuilder {
public:
    // dictionary may be null: then no row is ever found.
    EntryBuilder(UiService& ui, const ExtensionLists& lists, TagRecord& record,
                 const DictionaryLookup* dictionary = nullptr);

    void setDictionary(const DictionaryLookup* dictionary) { dictionary_ = dictionary; }
    // True when the entry's texts came from the dictionary, or would now: a
    // dictionary row matches an entry that has no tag of its own.
    bool TakesDictionary(const TrackEntry& entry) const;

    TrackEntry BuildEntry(const QString& path);
    // The media kind of a path by its extension: 1 video, 2 audio, 0 neither.
    int mediaKindOf(const QString& path) const;

private:
    // Fills entry from the tag record, which has the file open.
    void takeTag(TrackEntry& entry);
    void findInDictionary(TrackEntry& entry) const;

    UiService& ui_;
    const ExtensionLists& lists_;
    TagRecord& record_;
    const DictionaryLookup* dictionary_;
};
