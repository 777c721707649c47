#pragma once

#include <vector>

class QIODevice;
class QPainter;
class QString;

// Kinds of picture, told apart by the first bytes of the file only.
enum ImageType { ImageNone = 0, ImageBmp = 1, ImageJpeg = 2, ImagePng = 3 };

// A decoded picture: width x height pixels of 3 bytes (red, green, blue), rows
// top-down and packed back to back.
struct PixelBuffer {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;
};

// The image component of the cover window: recognises, decodes, resamples and
// draws pictures. It shows no messages; every failure is simply no picture.
class ImageCodec {
public:
    // Pictures larger than this in either direction are refused.
    static constexpr int kMaxDimension = 16384;

    // The type from the signature at the start of the source. Reads from offset
    // 0; the caller rewinds before decoding.
    static ImageType DetectImageType(QIODevice& source);

    // Decodes BMP, JPEG or PNG from the source's current position into 24-bit
    // pixels, whatever the file's own depth. False, with out left empty, when the
    // data is not a picture of that type, is damaged, or claims a size that the
    // rest of the source cannot hold.
    static bool DecodeImage(QIODevice& source, ImageType type, PixelBuffer& out);

    // The cover window's way to a picture file: open it (regular files only;
    // a pipe would block), detect its type, rewind and decode. False, with out
    // empty, on any failure.
    static bool LoadImageFile(const QString& path, PixelBuffer& out);

    // Resamples a buffer to exactly newWidth x newHeight, up or down in each
    // direction independently (bilinear when growing, area average when
    // shrinking). dst must hold newWidth * newHeight * bytesPerPixel bytes.
    static void ScaleImage(const unsigned char* src, int width, int height, unsigned char* dst,
                           int newWidth, int newHeight, int bytesPerPixel = 3);

    // Draws a 3-byte-per-pixel buffer 1:1 with its top-left corner at (x, y).
    static void DrawImage(QPainter& painter, const unsigned char* pixels, int width, int height,
                          int x, int y);
};
