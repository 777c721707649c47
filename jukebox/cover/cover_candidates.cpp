#include "jukebox/cover/cover_candidates.h"

#include <dirent.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

#include "jukebox/common/path_functions.h"

namespace {

constexpr std::array<const char*, 3> kCoverNames = {"cover.bmp", "cover.jpg", "cover.png"};

bool equalsIgnoringAsciiCase(const char* a, const char* b) {
    return ::strcasecmp(a, b) == 0;
}

}  // namespace

QStringList CoverCandidates(const QString& trackPath) {
    const QString folder = FolderPart(trackPath);
    const QByteArray listed = folder.isEmpty() ? QByteArray(".") : LocalPathBytes(folder);
    std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(listed.constData()), &::closedir);
    if (!listing) {
        return {};
    }
    // One pass over the folder, however many files it holds.
    std::array<QList<QByteArray>, kCoverNames.size()> found;
    while (const dirent* item = ::readdir(listing.get())) {
        for (size_t i = 0; i < kCoverNames.size(); ++i) {
            if (!equalsIgnoringAsciiCase(item->d_name, kCoverNames[i])) {
                continue;
            }
            found[i].append(QByteArray(item->d_name));
        }
    }
    QStringList paths;
    for (size_t i = 0; i < found.size(); ++i) {
        // readdir's order is the file system's: the exact spelling first, then
        // the case variants in a stable order.
        QList<QByteArray>& names = found[i];
        const QByteArray exact(kCoverNames[i]);
        std::sort(names.begin(), names.end(), [&exact](const QByteArray& a, const QByteArray& b) {
            return (a == exact) != (b == exact) ? a == exact : a < b;
        });
        for (const QByteArray& name : names) {
            paths.append(folder + PathFromLocalBytes(name));
        }
    }
    return paths;
}
