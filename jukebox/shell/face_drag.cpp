#include "jukebox/shell/face_drag.h"

FaceDrag::Kind FaceDrag::press(QPoint globalCursor, QPoint windowOrigin, QPoint facePoint,
                               const Thumbs& thumbs) {
    static constexpr Kind kThumbKinds[] = {Kind::Position, Kind::Volume, Kind::Balance};
    pressCursor_ = globalCursor;
    grab_ = globalCursor - windowOrigin;
    kind_ = Kind::Window;
    for (size_t i = 0; i < thumbs.size(); ++i) {
        const Thumb& thumb = thumbs[i];
        if (thumb.visible && thumb.rect.contains(facePoint)) {
            kind_ = kThumbKinds[i];
            pixelAtPress_ = thumb.pixel;
            vertical_ = thumb.vertical;
            break;
        }
    }
    return kind_;
}

FaceDrag::Kind FaceDrag::release() {
    const Kind ended = kind_;
    kind_ = Kind::None;
    return ended;
}

int FaceDrag::thumbPixel(QPoint globalCursor) const {
    const QPoint moved = globalCursor - pressCursor_;
    return pixelAtPress_ + (vertical_ ? -moved.y() : moved.x());
}

QPoint FaceDrag::windowOrigin(QPoint globalCursor) const {
    return globalCursor - grab_;
}
