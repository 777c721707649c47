#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

// The one reader of Windows bitmap files, used by the skins and by the cover
// pictures. It reads uncompressed bitmaps (BI_RGB) of 1, 4, 8, 16, 24 and 32 bits
// per pixel and masked ones (BI_BITFIELDS) of 16 and 32 bits, stored bottom-up or
// top-down, with the old 12-byte header or any of the later ones. Everything else
// (run-length and embedded JPEG/PNG data, damaged or truncated files, absurd
// sizes) gives a null image. Alpha is ignored: these are opaque bitmaps.
class BmpReader {
public:
    // Larger bitmaps are refused in either direction.
    static constexpr int kMaxDimension = 16384;

    // Decodes a whole file held in memory into an image of format RGB32.
    static QImage decode(QByteArrayView bytes);
    // Reads and decodes the file at path; a null image when it cannot be read.
    static QImage load(const QString& path);
};
