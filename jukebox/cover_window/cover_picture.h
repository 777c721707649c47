#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

#include "jukebox/cover/image_codec.h"

// The album cover of a track and its copy scaled to the window. The cover is
// the first of "cover.bmp", "cover.jpg", "cover.png" (any case) in the track's
// folder that decodes; one that fails gives way to the next. A file already on
// show is not decoded again while it is unchanged.
class CoverPicture {
public:
    // Looks up and loads the cover of the track at trackPath; true when one
    // was found. Without one the previous picture is gone.
    bool Load(const QString& trackPath);

    bool hasPicture() const { return hasPicture_; }
    // The last candidate file tried (empty when the folder held none).
    const QString& picturePath() const { return picturePath_; }
    QSize pictureSize() const { return QSize(pixels_.width, pixels_.height); }

    // Scales the picture to fit a client area of that size, once per size, and
    // returns where it goes (empty without a picture).
    QRect FitTo(QSize client);
    // The scaled pixels of the last FitTo: 3 bytes per pixel, rows packed.
    const unsigned char* scaledPixels() const { return scratch_.data(); }

private:
    // What tells a file that has not changed: where it is, its size and times.
    struct FileStamp {
        bool valid = false;
        unsigned long long device = 0;
        unsigned long long inode = 0;
        long long size = 0;
        long long modified = 0;  // in nanoseconds
        long long changed = 0;

        static FileStamp Of(const QString& path);
        bool operator==(const FileStamp&) const = default;
    };

    bool LoadPicture(const QString& path, PixelBuffer& previous, const FileStamp& previousStamp);
    void dropScaled();

    PixelBuffer pixels_;
    FileStamp stamp_;
    QString picturePath_;
    bool hasPicture_ = false;
    QSize scaledFor_;
    QRect place_;
    std::vector<unsigned char> scratch_;
};
