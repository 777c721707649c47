#include "jukebox/playback/gst_picture_convert.h"

#include <gst/gst.h>
#include <gst/video/gstvideofilter.h>
#include <gst/video/video.h>

#include <algorithm>
#include <mutex>

#include "jukebox/playback/yuv_to_bgrx.h"

struct VelorinePictureConvert {
    GstVideoFilter parent;
    YuvToBgrx::Weights weights;
};

struct VelorinePictureConvertClass {
    GstVideoFilterClass parent;
};

namespace {

GstStaticPadTemplate kInput =
    GST_STATIC_PAD_TEMPLATE("sink", GST_PAD_SINK, GST_PAD_ALWAYS,
                            GST_STATIC_CAPS("video/x-raw, format = (string) { I420, YV12, BGRx }, "
                                            "width = (int) [ 1, max ], height = (int) [ 1, max ], "
                                            "framerate = (fraction) [ 0, max ]"));
GstStaticPadTemplate kOutput =
    GST_STATIC_PAD_TEMPLATE("src", GST_PAD_SRC, GST_PAD_ALWAYS,
                            GST_STATIC_CAPS("video/x-raw, format = (string) BGRx, "
                                            "width = (int) [ 1, max ], height = (int) [ 1, max ], "
                                            "framerate = (fraction) [ 0, max ]"));

VelorinePictureConvert* self(GstVideoFilter* filter) {
    return reinterpret_cast<VelorinePictureConvert*>(filter);
}

// Either way the size, rate and pixel shape stay; the format is the other side's,
// and the colour description belongs to the input alone.
GstCaps* transformCaps(GstBaseTransform*, GstPadDirection direction, GstCaps* caps,
                       GstCaps* filter) {
    GstCaps* result = gst_caps_new_empty();
    const guint count = gst_caps_get_size(caps);
    for (guint i = 0; i < count; ++i) {
        GstCapsFeatures* features = gst_caps_get_features(caps, i);
        if (features != nullptr && !gst_caps_features_is_any(features) &&
            !gst_caps_features_is_equal(features, GST_CAPS_FEATURES_MEMORY_SYSTEM_MEMORY)) {
            continue;  // frames this element cannot read or write
        }
        GstStructure* structure = gst_structure_copy(gst_caps_get_structure(caps, i));
        gst_structure_remove_fields(structure, "format", "colorimetry", "chroma-site", nullptr);
        if (direction == GST_PAD_SINK) {
            gst_structure_set(structure, "format", G_TYPE_STRING, "BGRx", nullptr);
        } else {
            GValue formats = G_VALUE_INIT;
            gst_value_list_init(&formats, 3);
            for (const char* name : {"I420", "YV12", "BGRx"}) {
                GValue format = G_VALUE_INIT;
                g_value_init(&format, G_TYPE_STRING);
                g_value_set_string(&format, name);
                gst_value_list_append_and_take_value(&formats, &format);
            }
            gst_structure_take_value(structure, "format", &formats);
        }
        result = gst_caps_merge_structure_full(
            result, structure, features != nullptr ? gst_caps_features_copy(features) : nullptr);
    }
    if (filter != nullptr) {
        GstCaps* both = gst_caps_intersect_full(filter, result, GST_CAPS_INTERSECT_FIRST);
        gst_caps_unref(result);
        result = both;
    }
    return result;
}

gboolean setInfo(GstVideoFilter* filter, GstCaps*, GstVideoInfo* in, GstCaps*, GstVideoInfo* out) {
    if (GST_VIDEO_INFO_WIDTH(in) != GST_VIDEO_INFO_WIDTH(out) ||
        GST_VIDEO_INFO_HEIGHT(in) != GST_VIDEO_INFO_HEIGHT(out) ||
        GST_VIDEO_INFO_FORMAT(out) != GST_VIDEO_FORMAT_BGRx) {
        return FALSE;
    }
    auto* convert = self(filter);
    const bool bgrx = GST_VIDEO_INFO_FORMAT(in) == GST_VIDEO_FORMAT_BGRx;
    gst_base_transform_set_passthrough(GST_BASE_TRANSFORM(filter), bgrx);
    if (bgrx) {
        return TRUE;
    }
    // The matrix the stream declares; without one, that of its size's standard.
    gdouble kr = 0;
    gdouble kb = 0;
    if (!gst_video_color_matrix_get_Kr_Kb(in->colorimetry.matrix, &kr, &kb)) {
        const bool hd = GST_VIDEO_INFO_HEIGHT(in) >= 720;
        gst_video_color_matrix_get_Kr_Kb(
            hd ? GST_VIDEO_COLOR_MATRIX_BT709 : GST_VIDEO_COLOR_MATRIX_BT601, &kr, &kb);
    }
    convert->weights =
        YuvToBgrx::WeightsFor(kr, kb, in->colorimetry.range == GST_VIDEO_COLOR_RANGE_0_255);
    return TRUE;
}

GstFlowReturn transformFrame(GstVideoFilter* filter, GstVideoFrame* in, GstVideoFrame* out) {
    const auto* convert = self(filter);
    const int width = GST_VIDEO_FRAME_WIDTH(in);
    const int height = GST_VIDEO_FRAME_HEIGHT(in);
    const int chromaRows = GST_VIDEO_FRAME_COMP_HEIGHT(in, GST_VIDEO_COMP_U);
    const auto* y = static_cast<const guint8*>(GST_VIDEO_FRAME_COMP_DATA(in, GST_VIDEO_COMP_Y));
    const auto* u = static_cast<const guint8*>(GST_VIDEO_FRAME_COMP_DATA(in, GST_VIDEO_COMP_U));
    const auto* v = static_cast<const guint8*>(GST_VIDEO_FRAME_COMP_DATA(in, GST_VIDEO_COMP_V));
    const int yStride = GST_VIDEO_FRAME_COMP_STRIDE(in, GST_VIDEO_COMP_Y);
    const int uStride = GST_VIDEO_FRAME_COMP_STRIDE(in, GST_VIDEO_COMP_U);
    const int vStride = GST_VIDEO_FRAME_COMP_STRIDE(in, GST_VIDEO_COMP_V);
    auto* bgrx = static_cast<guint8*>(GST_VIDEO_FRAME_PLANE_DATA(out, 0));
    const int outStride = GST_VIDEO_FRAME_PLANE_STRIDE(out, 0);
    // The two fields of an interlaced picture keep their own chroma rows, the
    // lines of each field in turn.
    const bool fields = GST_VIDEO_FRAME_IS_INTERLACED(in) && !GST_VIDEO_FRAME_IS_ONEFIELD(in);
    for (int row = 0; row < height; ++row) {
        const int chroma = std::min(fields ? (row >> 2) * 2 + (row & 1) : row >> 1, chromaRows - 1);
        YuvToBgrx::ConvertRow(y + static_cast<gsize>(row) * yStride,
                              u + static_cast<gsize>(chroma) * uStride,
                              v + static_cast<gsize>(chroma) * vStride,
                              bgrx + static_cast<gsize>(row) * outStride, width, convert->weights);
    }
    return GST_FLOW_OK;
}

void classInit(gpointer klass, gpointer) {
    GstElementClass* element = GST_ELEMENT_CLASS(klass);
    gst_element_class_set_static_metadata(element, "Picture converter", "Filter/Converter/Video",
                                          "Turns 4:2:0 pictures into BGRx of the same size",
                                          "Velorine");
    gst_element_class_add_static_pad_template(element, &kInput);
    gst_element_class_add_static_pad_template(element, &kOutput);
    GST_BASE_TRANSFORM_CLASS(klass)->transform_caps = &transformCaps;
    GST_BASE_TRANSFORM_CLASS(klass)->passthrough_on_same_caps = TRUE;
    GST_VIDEO_FILTER_CLASS(klass)->set_info = &setInfo;
    GST_VIDEO_FILTER_CLASS(klass)->transform_frame = &transformFrame;
}

void instanceInit(GTypeInstance* instance, gpointer) {
    auto* convert = reinterpret_cast<VelorinePictureConvert*>(instance);
    convert->weights = YuvToBgrx::WeightsFor(0.2126, 0.0722, false);
}

GType pictureConvertType() {
    static const GType type = g_type_register_static_simple(
        GST_TYPE_VIDEO_FILTER, "VelorinePictureConvert", sizeof(VelorinePictureConvertClass),
        &classInit, sizeof(VelorinePictureConvert), &instanceInit, GTypeFlags{});
    return type;
}

}  // namespace

namespace GstPictureConvert {

bool Register() {
    static std::once_flag once;
    static bool registered = false;
    std::call_once(once, [] {
        registered =
            gst_element_register(nullptr, kFactory, GST_RANK_NONE, pictureConvertType()) != FALSE;
    });
    return registered;
}

}  // namespace GstPictureConvert
