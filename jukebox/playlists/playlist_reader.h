#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "jukebox/playlists/playlist_entry_resolver.h"
#include "jukebox/playlists/playlist_item.h"

// Reads an M3U, M3U8 or PLS file (told by its name) and hands out its entries one
// at a time, as paths or addresses, so that the caller can pump events and stop
// between them. Comment lines are passed over. The texts a track shows come from
// its file; an entry's #EXTINF line (or PLS TitleN and LengthN) and its text as
// written are handed out too, so that saving the list again keeps them.
//
// Text that is not UTF-8 (an .m3u in a legacy code page) is kept byte for byte,
// so a name in GBK bytes finds its file. Hostile files are bounded: a file over
// kMaxBytes is refused unread, a line over kMaxLineBytes and a line holding a NUL
// byte name no file and are passed over.
class PlaylistReader {
public:
    enum class Status { Ok, CannotOpen, TooLarge };
    static constexpr qint64 kMaxBytes = qint64{64} << 20;
    static constexpr qsizetype kMaxLineBytes = 65536;

    Status open(const QString& playlistPath);
    // The next entry; false when none is left.
    bool next(QString& entry);
    // The same, with what the playlist said of it (PlaylistItem).
    bool next(PlaylistItem& item);

private:
    struct PlsFile {
        quint64 number;
        qsizetype offset;
        qsizetype length;
    };
    static bool byNumber(const PlsFile& a, const PlsFile& b) { return a.number < b.number; }
    // TitleN and LengthN of the FileN entry at the same place in plsFiles_.
    struct PlsInfo {
        qsizetype titleOffset = -1;
        qsizetype titleLength = 0;
        int seconds = -1;
        bool given = false;
    };

    bool nextM3uLine(QByteArrayView& line, PlaylistItem& item);
    bool nextPlsFile(QByteArrayView& line, PlaylistItem& item);
    void collectPlsFiles();
    void collectPlsInfo();

    QByteArray text_;
    qsizetype pos_ = 0;
    bool pls_ = false;
    std::vector<PlsFile> plsFiles_;
    std::vector<PlsInfo> plsInfo_;
    std::size_t plsNext_ = 0;
    PlaylistEntryResolver resolver_;
};
