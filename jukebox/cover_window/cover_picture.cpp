#include "jukebox/cover_window/cover_picture.h"

#include <sys/stat.h>

#include <utility>

#include "jukebox/common/path_functions.h"
#include "jukebox/cover/cover_candidates.h"
#include "jukebox/cover_window/cover_fit.h"

namespace {

long long nanoseconds(const timespec& time) {
    return static_cast<long long>(time.tv_sec) * 1000000000LL + time.tv_nsec;
}

}  // namespace

CoverPicture::FileStamp CoverPicture::FileStamp::Of(const QString& path) {
    struct stat info {};
    FileStamp stamp;
    if (::stat(LocalPathBytes(path).constData(), &info) != 0) {
        return stamp;
    }
    stamp.valid = true;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.size = info.st_size;
    stamp.modified = nanoseconds(info.st_mtim);
    stamp.changed = nanoseconds(info.st_ctim);
    return stamp;
}

bool CoverPicture::Load(const QString& trackPath) {
    // Every track looks again (a cover may have come, gone or changed), but
    // the picture on show is kept aside in case its file is found unchanged.
    PixelBuffer previous = std::exchange(pixels_, PixelBuffer());
    const FileStamp previousStamp = std::exchange(stamp_, FileStamp());
    const QString previousPath = std::exchange(picturePath_, QString());
    hasPicture_ = false;
    for (const QString& candidate : CoverCandidates(trackPath)) {
        picturePath_ = candidate;
        if (LoadPicture(candidate, previous,
                        candidate == previousPath ? previousStamp : FileStamp())) {
            hasPicture_ = true;
            break;
        }
    }
    return hasPicture_;
}

bool CoverPicture::LoadPicture(const QString& path, PixelBuffer& previous,
                               const FileStamp& previousStamp) {
    const FileStamp stamp = FileStamp::Of(path);
    if (stamp.valid && stamp == previousStamp && previous.width > 0) {
        pixels_ = std::move(previous);  // the same file, and the scaled copy still fits
        stamp_ = stamp;
        return true;
    }
    dropScaled();
    if (!ImageCodec::LoadImageFile(path, pixels_)) {
        return false;
    }
    stamp_ = stamp;
    return true;
}

void CoverPicture::dropScaled() {
    scaledFor_ = QSize();
    place_ = QRect();
}

QRect CoverPicture::FitTo(QSize client) {
    if (!hasPicture_) {
        return {};
    }
    if (client == scaledFor_) {
        return place_;
    }
    scaledFor_ = client;
    place_ = FitCoverRect(pictureSize(), client);
    if (place_.isEmpty()) {
        return place_;
    }
    const size_t bytes = static_cast<size_t>(place_.width()) * place_.height() * 3;
    if (scratch_.size() < bytes) {
        scratch_.resize(bytes);
    }
    ImageCodec::ScaleImage(pixels_.pixels.data(), pixels_.width, pixels_.height, scratch_.data(),
                           place_.width(), place_.height());
    return place_;
}
