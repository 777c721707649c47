// Windows bitmaps: the input is a .bmp file, read by the one bitmap reader
// both as a skin's strip (a QImage) and as a cover picture.
#include <QImage>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/picture_check.h"
#include "jukebox/cover/bmp_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QImage image = BmpReader::decode(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!image.isNull() &&
        (image.width() > BmpReader::kMaxDimension || image.height() > BmpReader::kMaxDimension ||
         image.format() != QImage::Format_RGB32)) {
        std::fprintf(stderr, "bitmap reader: accepted a %dx%d picture of format %d\n",
                     image.width(), image.height(), int(image.format()));
        std::abort();
    }
    DecodeAndCheckPicture(data, size);
    return 0;
}
