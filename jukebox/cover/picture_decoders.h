#pragma once

#include "jukebox/cover/image_codec.h"

// The decoders behind ImageCodec::DecodeImage, one per library. Each reads from
// the source's current position, refuses pictures larger than
// ImageCodec::kMaxDimension and leaves out empty on failure.
bool DecodeJpegPicture(QIODevice& source, PixelBuffer& out);
bool DecodePngPicture(QIODevice& source, PixelBuffer& out);
