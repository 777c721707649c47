// The playlists other players write: the input is an M3U file, or a PLS file
// when it starts with "[" as a PLS does. Every entry is read, the entries are
// written as M3U8 and read again: what the jukebox saves must open as the same
// list, or a Save As would quietly change the user's playlist.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "fuzz/scratch_folder.h"
#include "jukebox/playlists/playlist_reader.h"
#include "jukebox/playlists/playlist_writer.h"

namespace {

std::vector<QString> readAll(const QString& path) {
    std::vector<QString> entries;
    PlaylistReader reader;
    if (reader.open(path) != PlaylistReader::Status::Ok) {
        return entries;
    }
    QString entry;
    while (reader.next(entry)) {
        entries.push_back(entry);
    }
    return entries;
}

[[noreturn]] void changedByRoundTrip(const std::vector<QString>& before,
                                     const std::vector<QString>& after) {
    std::fprintf(stderr, "playlist changed by save and open: %zu entries became %zu\n",
                 before.size(), after.size());
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
        if (before[i] != after[i]) {
            std::fprintf(stderr, "entry %zu: \"%s\" became \"%s\"\n", i,
                         before[i].toUtf8().constData(), after[i].toUtf8().constData());
            break;
        }
    }
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScratchFolder scratch(QStringLiteral("playlists"));
    const bool pls = size > 0 && data[0] == '[';
    const QString path =
        scratch.write(pls ? QStringLiteral("list.pls") : QStringLiteral("list.m3u"), data, size);
    const std::vector<QString> entries = readAll(path);

    std::vector<PlaylistItem> items;
    for (const QString& entry : entries) {
        PlaylistItem item;
        item.path = entry;
        item.title = entry;
        items.push_back(std::move(item));
    }
    const QString again = scratch.filePath(QStringLiteral("again.m3u8"));
    if (PlaylistWriter::Save(again, items)) {
        const std::vector<QString> reread = readAll(again);
        if (reread != entries) {
            changedByRoundTrip(entries, reread);
        }
    }
    return 0;
}
