// The picture converter as GStreamer runs it: the colours a test source paints
// in I420 and YV12, with the matrix its caps declare, come out as those colours
// in BGRx at the same (odd) size; the fields of an interlaced picture keep
// their own chroma; scaled pictures keep their colours, and their edges land
// where they should; BGRx passes unchanged.
#include "jukebox/playback/gst_picture_convert.h"

#include <gst/app/gstappsink.h>
#include <gst/app/gstappsrc.h>
#include <gst/gst.h>
#include <gst/video/video.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "jukebox/playback/yuv_to_bgrx.h"

namespace {

struct Picture {
    int width = 0;
    int height = 0;
    std::string format;
    std::vector<std::array<int, 4>> pixels;  // the four bytes of each pixel
};

// The first frame at the end of description, an appsink named "out"; with
// pushed, that frame goes in at an appsrc named "in" first. The caps of an
// element named "convert" take its input's when asked for.
Picture firstFrame(const std::string& description, const std::vector<guint8>* pushed = nullptr,
                   std::string* convertInput = nullptr) {
    Picture picture;
    GError* error = nullptr;
    GstElement* pipeline = gst_parse_launch(description.c_str(), &error);
    if (pipeline == nullptr) {
        ADD_FAILURE() << (error != nullptr ? error->message : "no pipeline");
        g_clear_error(&error);
        return picture;
    }
    g_clear_error(&error);
    GstElement* out = gst_bin_get_by_name(GST_BIN(pipeline), "out");
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    if (pushed != nullptr) {
        GstElement* in = gst_bin_get_by_name(GST_BIN(pipeline), "in");
        GstBuffer* buffer = gst_buffer_new_memdup(pushed->data(), pushed->size());
        GST_BUFFER_PTS(buffer) = 0;
        gst_app_src_push_buffer(GST_APP_SRC(in), buffer);
        gst_app_src_end_of_stream(GST_APP_SRC(in));
        gst_object_unref(in);
    }
    GstSample* sample = gst_app_sink_try_pull_sample(GST_APP_SINK(out), 10 * GST_SECOND);
    if (convertInput != nullptr) {
        GstElement* convert = gst_bin_get_by_name(GST_BIN(pipeline), "convert");
        GstPad* pad = gst_element_get_static_pad(convert, "sink");
        if (GstCaps* caps = gst_pad_get_current_caps(pad)) {
            gchar* text = gst_caps_to_string(caps);
            *convertInput = text;
            g_free(text);
            gst_caps_unref(caps);
        }
        gst_object_unref(pad);
        gst_object_unref(convert);
    }
    GstVideoInfo info;
    GstVideoFrame frame;
    if (sample != nullptr && gst_video_info_from_caps(&info, gst_sample_get_caps(sample)) &&
        gst_video_frame_map(&frame, &info, gst_sample_get_buffer(sample), GST_MAP_READ)) {
        picture.width = GST_VIDEO_INFO_WIDTH(&info);
        picture.height = GST_VIDEO_INFO_HEIGHT(&info);
        picture.format = GST_VIDEO_INFO_NAME(&info);
        const auto* data = static_cast<const guint8*>(GST_VIDEO_FRAME_PLANE_DATA(&frame, 0));
        const int stride = GST_VIDEO_FRAME_PLANE_STRIDE(&frame, 0);
        for (int row = 0; row < picture.height; ++row) {
            for (int x = 0; x < picture.width; ++x) {
                const guint8* p = data + row * stride + 4 * x;
                picture.pixels.push_back({p[0], p[1], p[2], p[3]});
            }
        }
        gst_video_frame_unmap(&frame);
    }
    if (sample != nullptr) {
        gst_sample_unref(sample);
    }
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(out);
    gst_object_unref(pipeline);
    return picture;
}

class GstPictureConvertTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        gst_init(nullptr, nullptr);
        ASSERT_TRUE(GstPictureConvert::Register());
    }
};

TEST_F(GstPictureConvertTest, SolidColoursComeOutRightForEachLayoutAndMatrix) {
    struct Colour {
        const char* pattern;
        std::array<int, 3> bgr;
    };
    const Colour colours[] = {{"red", {0, 0, 255}},
                              {"green", {0, 255, 0}},
                              {"blue", {255, 0, 0}},
                              {"white", {255, 255, 255}},
                              {"black", {0, 0, 0}}};
    // Odd sizes: a chroma sample alone at the right edge and the bottom row;
    // 37 pixels take the 16-pixel path twice and the rest one by one.
    for (const char* format : {"I420", "YV12"}) {
        for (const char* colorimetry : {"bt601", "bt709"}) {
            for (const Colour& colour : colours) {
                const std::string description = std::string("videotestsrc num-buffers=1 pattern=") +
                                                colour.pattern + " ! video/x-raw,format=" + format +
                                                ",width=37,height=21,colorimetry=" + colorimetry +
                                                " ! " + GstPictureConvert::kFactory +
                                                " ! appsink name=out sync=false";
                const Picture picture = firstFrame(description);
                SCOPED_TRACE(description);
                ASSERT_EQ(picture.format, "BGRx");
                ASSERT_EQ(picture.width, 37);
                ASSERT_EQ(picture.height, 21);
                int worst = 0;
                for (const auto& pixel : picture.pixels) {
                    for (int c = 0; c < 3; ++c) {
                        worst = std::max(worst, std::abs(pixel[c] - colour.bgr[c]));
                    }
                }
                // The source rounds to 8-bit Y'CbCr, the converter back: a
                // wrong matrix is off by ten levels and more.
                EXPECT_LE(worst, 3);
            }
        }
    }
}

TEST_F(GstPictureConvertTest, EachFieldOfAnInterlacedPictureTakesItsOwnChroma) {
    // 16x8 I420 in two interleaved fields: the top field's lines (0, 2, 4, 6)
    // have chroma rows 0 and 2, the bottom field's chroma rows 1 and 3. Each
    // chroma row is a colour of its own on mid grey luma.
    constexpr int kWidth = 16;
    constexpr int kHeight = 8;
    const std::array<std::array<int, 2>, 4> chroma{{{90, 240}, {240, 110}, {54, 34}, {128, 128}}};
    std::vector<guint8> planes(kWidth * kHeight * 3 / 2, 126);
    guint8* u = planes.data() + kWidth * kHeight;
    guint8* v = u + kWidth * kHeight / 4;
    for (int row = 0; row < kHeight / 2; ++row) {
        std::fill_n(u + row * kWidth / 2, kWidth / 2, chroma[row][0]);
        std::fill_n(v + row * kWidth / 2, kWidth / 2, chroma[row][1]);
    }
    GError* error = nullptr;
    GstElement* pipeline = gst_parse_launch(
        (std::string("appsrc name=in format=time caps=\"video/x-raw,format=I420,width=16,height=8,"
                     "interlace-mode=interleaved,colorimetry=bt601,framerate=30/1\" ! ") +
         GstPictureConvert::kFactory + " ! appsink name=out sync=false")
            .c_str(),
        &error);
    ASSERT_NE(pipeline, nullptr) << (error != nullptr ? error->message : "");
    g_clear_error(&error);
    GstElement* in = gst_bin_get_by_name(GST_BIN(pipeline), "in");
    GstElement* out = gst_bin_get_by_name(GST_BIN(pipeline), "out");
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    GstBuffer* buffer = gst_buffer_new_memdup(planes.data(), planes.size());
    GST_BUFFER_PTS(buffer) = 0;
    GST_BUFFER_DURATION(buffer) = GST_SECOND / 30;
    ASSERT_EQ(gst_app_src_push_buffer(GST_APP_SRC(in), buffer), GST_FLOW_OK);
    gst_app_src_end_of_stream(GST_APP_SRC(in));
    GstSample* sample = gst_app_sink_try_pull_sample(GST_APP_SINK(out), 10 * GST_SECOND);
    ASSERT_NE(sample, nullptr);
    GstMapInfo map;
    ASSERT_TRUE(gst_buffer_map(gst_sample_get_buffer(sample), &map, GST_MAP_READ));
    const auto weights = YuvToBgrx::WeightsFor(0.299, 0.114, false);
    for (int row = 0; row < kHeight; ++row) {
        // Line row of field row % 2 is that field's line row / 2; two field
        // lines share a chroma row.
        const auto& c = chroma[(row / 4) * 2 + row % 2];
        const std::vector<guint8> ys(kWidth, 126);
        const std::vector<guint8> us(kWidth / 2, static_cast<guint8>(c[0]));
        const std::vector<guint8> vs(kWidth / 2, static_cast<guint8>(c[1]));
        std::vector<guint8> want(4 * kWidth);
        YuvToBgrx::ConvertRow(ys.data(), us.data(), vs.data(), want.data(), kWidth, weights);
        EXPECT_TRUE(std::equal(want.begin(), want.end(), map.data + row * 4 * kWidth))
            << "row " << row;
    }
    gst_buffer_unmap(gst_sample_get_buffer(sample), &map);
    gst_sample_unref(sample);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(in);
    gst_object_unref(out);
    gst_object_unref(pipeline);
}

TEST_F(GstPictureConvertTest, ScaledPicturesKeepTheirColoursAndEdges) {
    struct Size {
        int width;
        int height;
        int outWidth;
        int outHeight;
    };
    // Down and up, odd sizes both ways, and single pixels; a format of its own
    // is brought to 4:2:0 at its size.
    const Size sizes[] = {{37, 21, 23, 13}, {37, 21, 61, 35}, {1, 1, 3, 2}, {37, 21, 1, 1}};
    const std::string formats[] = {"YV12", "NV12"};
    const std::pair<const char*, std::array<int, 3>> colours[] = {
        {"red", {0, 0, 255}}, {"blue", {255, 0, 0}}, {"white", {255, 255, 255}}};
    for (const Size& size : sizes) {
        const std::string& format = formats[&size == &sizes[1] ? 1 : 0];
        for (const auto& [pattern, bgr] : colours) {
            const std::string description =
                std::string("videotestsrc num-buffers=1 pattern=") + pattern +
                " ! video/x-raw,format=" + format +
                ",colorimetry=bt601,width=" + std::to_string(size.width) +
                ",height=" + std::to_string(size.height) + " ! videoconvertscale ! " +
                GstPictureConvert::kFactory +
                " name=convert ! video/x-raw,width=" + std::to_string(size.outWidth) +
                ",height=" + std::to_string(size.outHeight) + " ! appsink name=out sync=false";
            SCOPED_TRACE(description);
            std::string input;
            const Picture picture = firstFrame(description, nullptr, &input);
            // The general converter before it does not scale; it passes YV12
            // as it is.
            EXPECT_NE(input.find("width=(int)" + std::to_string(size.width) + ","),
                      std::string::npos)
                << input;
            EXPECT_NE(input.find(format == "YV12" ? "YV12" : "I420"), std::string::npos) << input;
            ASSERT_EQ(picture.width, size.outWidth);
            ASSERT_EQ(picture.height, size.outHeight);
            int worst = 0;
            for (const auto& pixel : picture.pixels) {
                for (int c = 0; c < 3; ++c) {
                    worst = std::max(worst, std::abs(pixel[c] - bgr[c]));
                }
            }
            EXPECT_LE(worst, 3);
        }
    }
    // Black with a white lower right from column 13 and row 7 on: where the
    // edges cross half way is where they fall at the output's scale.
    constexpr int kWidth = 37;
    constexpr int kHeight = 21;
    GstVideoInfo info;
    gst_video_info_set_format(&info, GST_VIDEO_FORMAT_I420, kWidth, kHeight);
    std::vector<guint8> planes(GST_VIDEO_INFO_SIZE(&info), 128);
    const int stride = GST_VIDEO_INFO_PLANE_STRIDE(&info, 0);
    for (int row = 0; row < kHeight; ++row) {
        for (int x = 0; x < kWidth; ++x) {
            planes[row * stride + x] = row >= 7 && x >= 13 ? 235 : 16;
        }
    }
    for (const Size& size : {sizes[0], sizes[1]}) {
        const std::string description =
            std::string(
                "appsrc name=in format=time caps=\"video/x-raw,format=I420,width=37,"
                "height=21,colorimetry=bt601,framerate=30/1\" ! ") +
            GstPictureConvert::kFactory + " ! video/x-raw,width=" + std::to_string(size.outWidth) +
            ",height=" + std::to_string(size.outHeight) + " ! appsink name=out sync=false";
        SCOPED_TRACE(description);
        const Picture picture = firstFrame(description, &planes);
        ASSERT_EQ(picture.pixels.size(), static_cast<size_t>(size.outWidth * size.outHeight));
        auto green = [&](int x, int y) { return picture.pixels[y * size.outWidth + x][1]; };
        const double column = 13.0 * size.outWidth / kWidth;
        const double row = 7.0 * size.outHeight / kHeight;
        const int bottom = size.outHeight - 1;
        const int right = size.outWidth - 1;
        int firstWhiteColumn = 0;
        while (firstWhiteColumn < right && green(firstWhiteColumn, bottom) < 128) {
            ++firstWhiteColumn;
        }
        int firstWhiteRow = 0;
        while (firstWhiteRow < bottom && green(right, firstWhiteRow) < 128) {
            ++firstWhiteRow;
        }
        EXPECT_LE(std::abs(firstWhiteColumn - column), 1.0);
        EXPECT_LE(std::abs(firstWhiteRow - row), 1.0);
        // Sharp: two pixels off the edge, black and white are whole.
        EXPECT_LE(green(static_cast<int>(column) - 2, bottom), 3);
        EXPECT_GE(green(static_cast<int>(column) + 2, bottom), 252);
        EXPECT_LE(green(right, static_cast<int>(row) - 2), 3);
        EXPECT_GE(green(right, static_cast<int>(row) + 2), 252);
    }
}

TEST_F(GstPictureConvertTest, BgrxPassesUnchanged) {
    const std::string source =
        "videotestsrc num-buffers=1 pattern=smpte ! "
        "video/x-raw,format=BGRx,width=41,height=9 ! ";
    const Picture direct = firstFrame(source + "appsink name=out sync=false");
    const Picture through =
        firstFrame(source + GstPictureConvert::kFactory + " ! appsink name=out sync=false");
    ASSERT_EQ(direct.pixels.size(), 41u * 9u);
    EXPECT_EQ(through.width, 41);
    EXPECT_EQ(through.height, 9);
    // Only the padding byte may differ.
    ASSERT_EQ(through.pixels.size(), direct.pixels.size());
    for (size_t i = 0; i < direct.pixels.size(); ++i) {
        ASSERT_EQ(std::vector<int>(direct.pixels[i].begin(), direct.pixels[i].begin() + 3),
                  std::vector<int>(through.pixels[i].begin(), through.pixels[i].begin() + 3))
            << "pixel " << i;
    }
}

}  // namespace
