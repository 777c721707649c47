#pragma once

#include <QString>
#include <cstdint>

// Where an entry's texts came from.
enum MappingKind { MappingNone = 0, MappingDictionary = 1, MappingTag = 2 };

// One tracklist entry: a path and what was found out about it when it joined the
// list. Copied by value.
struct TrackEntry {
    QString path;  // exactly as it was passed in
    QString artist;
    QString name;  // the tag's title, else the file name
    QString genre;
    QString date;
    QString comment;
    QString source;
    int64_t bitrateKbps = 0;  // as the tag record gives it
    int durationMs = 0;
    // Small numbers in bytes, so that a list of 100,000 entries pads nothing.
    int8_t playable = 0;  // the file was found when the entry was built
    int8_t mappingKind = MappingNone;
    int8_t mediaKind = 0;  // MediaClass of the extension: 1 video, 2 audio, 0 neither
    bool artistFound = false;
    bool nameFound = false;
    bool genreFound = false;
    bool dateFound = false;
    bool commentFound = false;
    bool sourceFound = false;
    bool isXing = false;

    friend bool operator==(const TrackEntry&, const TrackEntry&) = default;
};
static_assert(sizeof(TrackEntry) <= 7 * sizeof(QString) + 24, "an entry's numbers fit in 24 bytes");

// Fills an entry from the mapping dictionary: the row whose file name equals the
// entry path's file name, exactly. The tracklist asks it for files whose tags
// cannot be read and for streams.
class DictionaryLookup {
public:
    virtual ~DictionaryLookup() = default;
    // True when a row matched; the entry is left untouched otherwise.
    virtual bool FindInDictionary(TrackEntry& entry) const = 0;
};
