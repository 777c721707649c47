#pragma once

#include <QString>

// The six texts an entry can take from a tag richer than the ID3v1 block.
struct RichTagTexts {
    QString title;
    QString artist;
    QString album;
    QString year;  // the first four characters of the tag's date
    QString genre;
    QString comment;

    bool isEmpty() const;
};

// Reads the tags most files really carry: the ID3v2 tag (2.2, 2.3, 2.4) at the
// start of an MP3 file and the Vorbis comments of Ogg (Vorbis, Opus, FLAC, Speex)
// and FLAC files. Files are opened read-only by their path's bytes, and nothing
// is ever written. Each reader is true when the file has such a tag holding at
// least one of the six texts; otherwise (no tag, a damaged or unreadable file)
// it is false and the texts are empty. Several values of one field are joined
// with " / ".
namespace RichTags {

// ID3v2. Frames declared Latin-1 are read as legacy code-page bytes, all of one
// tag together (decodeLegacyLatin1); UTF-16 and UTF-8 frames are taken as they
// are. The year is TDRC (TYER in 2.3), the genre TCON with numeric references
// such as "(17)" named from the genre table, the comment the first COMM frame
// without a description, else the first that is not a player's private note.
bool ReadId3v2(const QString& path, RichTagTexts& texts);

// True for the extensions whose files carry Vorbis comments: ogg, oga, opus and
// flac, in any case.
bool CarriesVorbisComments(const QString& extension);

// Vorbis comments (UTF-8): TITLE, ARTIST, ALBUM, DATE, GENRE, and COMMENT or,
// without one, DESCRIPTION. The kind of file is told by its content, so an Ogg
// FLAC named .ogg is read as well.
bool ReadVorbisComments(const QString& path, RichTagTexts& texts);

}  // namespace RichTags
