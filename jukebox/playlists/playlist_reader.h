#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "jukebox/playlists/playlist_entry_resolver.h"

// Reads an M3U, M3U8 or PLS file (told by its name) and hands out its entries one
// at a time, as paths or addresses, so that the caller can pump events and stop
// between them. Comment and #EXTINF lines, titles and lengths are passed over: the
// texts of an entry come from its file.
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

private:
    struct PlsFile {
        quint64 number;
        qsizetype offset;
        qsizetype length;
    };

    bool nextM3uLine(QByteArrayView& line);
    bool nextPlsFile(QByteArrayView& line);
    void collectPlsFiles();

    QByteArray text_;
    qsizetype pos_ = 0;
    bool pls_ = false;
    std::vector<PlsFile> plsFiles_;
    std::size_t plsNext_ = 0;
    PlaylistEntryResolver resolver_;
};
