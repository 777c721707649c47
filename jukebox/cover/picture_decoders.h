#pragma once

#include <QIODevice>

#include "jukebox/cover/image_codec.h"

// The decoders behind ImageCodec::DecodeImage, one per library. Each reads from
// the source's current position, refuses pictures larger than
// ImageCodec::kMaxDimension or larger than the rest of the source can hold, and
// leaves out empty on failure.
bool DecodeJpegPicture(QIODevice& source, PixelBuffer& out);
bool DecodePngPicture(QIODevice& source, PixelBuffer& out);

// The bytes from the source's position to its end; -1 when the source is
// sequential and cannot tell.
inline qint64 BytesLeft(const QIODevice& source) {
    return source.isSequential() ? -1 : source.size() - source.pos();
}
