#pragma once

#include <QString>

#include "jukebox/tracklist/tag_cache.h"
#include "jukebox/tracklist/track_entry.h"

class ExtensionLists;
class TagRecord;
class UiService;
struct RichTagTexts;
struct TagPageSettings;

// Works out an entry for one path: its media kind from the extension lists, and
// its texts from the file's own tag or, failing that, from the dictionary. An
// MP3 takes its ID3v1 block, or its ID3v2 tag when it has no block or the Tag
// page prefers ID3v2; Ogg and FLAC files take their Vorbis comments.
class EntryBuilder {
public:
    // dictionary may be null: then no row is ever found. tagPage may be null:
    // then the ID3v1 block is always preferred.
    EntryBuilder(UiService& ui, const ExtensionLists& lists, TagRecord& record,
                 const DictionaryLookup* dictionary = nullptr,
                 const TagPageSettings* tagPage = nullptr);

    void setDictionary(const DictionaryLookup* dictionary) { dictionary_ = dictionary; }
    // Where the texts of files' own tags are kept between runs; null: nowhere.
    void setTagCache(TagCache* cache) { cache_ = cache; }
    // True when the entry's texts came from the dictionary, or would now: a
    // dictionary row matches an entry that has no tag of its own.
    bool TakesDictionary(const TrackEntry& entry) const;

    TrackEntry BuildEntry(const QString& path);
    // The same for a file that stat found (info), its path's bytes localPath.
    TrackEntry BuildEntry(const QString& path, const QByteArray& localPath,
                          const struct stat& info);
    // The media kind of a path by its extension: 1 video, 2 audio, 0 neither.
    int mediaKindOf(const QString& path) const;

    // Whether the last BuildEntry read an ID3v1 block whose code page was
    // detected from its text (its scores and code page are then in the record).
    bool lastReadDetected() const { return lastReadDetected_; }
    // Its scores and the code page it was read in (from the cache, or the record).
    const CodePageScores& lastScores() const { return lastRead_.scores; }
    int lastCodePage() const { return lastRead_.codePage; }

private:
    // Fills entry from the MP3's tags; the tag record has the file open.
    void takeMp3Tags(TrackEntry& entry);
    // Fills entry from the ID3v1 block the tag record has read.
    void takeId3v1(TrackEntry& entry);
    // Fills entry from an ID3v2 tag or Vorbis comments.
    static void takeRichTexts(TrackEntry& entry, const RichTagTexts& texts);
    bool prefersId3v2() const;
    void findInDictionary(TrackEntry& entry) const;
    // known: the path's bytes and what stat said of them, when the caller has them.
    TrackEntry build(const QString& path, const QByteArray* localPath, const struct stat* known);
    // The entry of a file that exists, from the cache or its tags.
    void buildFound(TrackEntry& entry, const QString& fileName, const QString& extension,
                    const QByteArray& localPath, const struct stat& info);
    // Reads the file's own tags (it exists); false when it has none to read.
    // keep: what was read may be cached.
    bool readOwnTags(TrackEntry& entry, const QString& fileName, const QString& extension,
                     bool& keep);

    UiService& ui_;
    const ExtensionLists& lists_;
    TagRecord& record_;
    const DictionaryLookup* dictionary_;
    const TagPageSettings* tagPage_;
    bool lastReadDetected_ = false;
    TagCache::ReadFacts lastRead_;
    TagCache* cache_ = nullptr;
};
