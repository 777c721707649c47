#include "jukebox/skin/skin_shape.h"

#include <vector>

namespace {

// Rectangles waiting to join the region; setRects takes them in one step as
// long as they come in rows from top to bottom and left to right within a row.
class ShapeBuilder {
public:
    void add(const QRect& rect) {
        if (block_.size() == size_t(kShapeBlock)) {
            flush();
        }
        block_.push_back(rect);
    }
    QRegion finish() {
        flush();
        return region_;
    }

private:
    void flush() {
        if (block_.empty()) {
            return;
        }
        QRegion part;
        part.setRects(block_.data(), int(block_.size()));
        region_ = region_.isEmpty() ? part : region_.united(part);
        block_.clear();
    }

    std::vector<QRect> block_;
    QRegion region_;
};

struct Run {
    int left;
    int right;  // one past the last pixel
    bool operator==(const Run&) const = default;
};

}  // namespace

QRegion BuildSkinShape(const QImage& source, int faceHeight) {
    if (source.isNull() || faceHeight <= 0 || source.height() < 6 * faceHeight) {
        return {};
    }
    const QImage panel = source.format() == QImage::Format_RGB32
                             ? source
                             : source.convertToFormat(QImage::Format_RGB32);
    const int width = panel.width();
    const int top = 5 * faceHeight;
    ShapeBuilder builder;
    std::vector<Run> open;  // the runs of the rows since openTop
    std::vector<Run> row;
    int openTop = 0;
    auto closeOpen = [&](int bottom) {
        for (const Run& run : open) {
            builder.add(QRect(run.left, openTop, run.right - run.left, bottom - openTop));
        }
    };
    for (int y = 0; y < faceHeight; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(panel.constScanLine(top + y));
        row.clear();
        int x = 0;
        while (x < width) {
            while (x < width && (line[x] & 0xFFFFFF) == 0xFFFFFF) {
                ++x;
            }
            if (x == width) {
                break;
            }
            int left = x;
            while (x < width && (line[x] & 0xFFFFFF) != 0xFFFFFF) {
                ++x;
            }
            row.push_back({left, x});
        }
        if (y == 0 || row != open) {
            closeOpen(y);
            open.swap(row);
            openTop = y;
        }
    }
    closeOpen(faceHeight);
    return builder.finish();
}
