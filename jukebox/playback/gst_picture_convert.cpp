#include "jukebox/playback/gst_picture_convert.h"

#include <gst/gst.h>
#include <gst/video/gstvideofilter.h>
#include <gst/video/video.h>

#include <algorithm>
#include <initializer_list>
#include <mutex>
#include <new>

#include "jukebox/playback/yuv_scale.h"
#include "jukebox/playback/yuv_to_bgrx.h"

struct VelorinePictureConvert {
    GstVideoFilter parent;
    YuvToBgrx::Weights weights;
    bool scaled;  // the output has another size than the input
    YuvScale::Scaler* scaler;
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

// A 4:2:0 structure becomes BGRx of any size and pixel shape (the element
// scales); BGRx keeps its size and shape. The rate stays; the colour description
// belongs to the input alone.
GstStructure* anySize(const GstStructure* from) {
    GstStructure* structure = gst_structure_copy(from);
    gst_structure_remove_fields(structure, "format", "colorimetry", "chroma-site", nullptr);
    gst_structure_set(structure, "width", GST_TYPE_INT_RANGE, 1, G_MAXINT, "height",
                      GST_TYPE_INT_RANGE, 1, G_MAXINT, nullptr);
    if (gst_structure_has_field(structure, "pixel-aspect-ratio")) {
        gst_structure_set(structure, "pixel-aspect-ratio", GST_TYPE_FRACTION_RANGE, 1, G_MAXINT,
                          G_MAXINT, 1, nullptr);
    }
    return structure;
}

void setFormats(GstStructure* structure, std::initializer_list<const char*> names) {
    GValue formats = G_VALUE_INIT;
    gst_value_list_init(&formats, static_cast<guint>(names.size()));
    for (const char* name : names) {
        GValue format = G_VALUE_INIT;
        g_value_init(&format, G_TYPE_STRING);
        g_value_set_string(&format, name);
        gst_value_list_append_and_take_value(&formats, &format);
    }
    gst_structure_take_value(structure, "format", &formats);
}

// Whether structure's formats take in one that the element would have.
bool allowsFormat(const GstStructure* structure, std::initializer_list<const char*> names) {
    const GValue* formats = gst_structure_get_value(structure, "format");
    if (formats == nullptr) {
        return true;
    }
    GstStructure* wanted = gst_structure_new_empty("video/x-raw");
    setFormats(wanted, names);
    const bool allows =
        gst_value_can_intersect(formats, gst_structure_get_value(wanted, "format")) != FALSE;
    gst_structure_free(wanted);
    return allows;
}

GstCaps* transformCaps(GstBaseTransform*, GstPadDirection direction, GstCaps* caps,
                       GstCaps* filter) {
    GstCaps* result = gst_caps_new_empty();
    const guint count = gst_caps_get_size(caps);
    // Downstream, what keeps the size comes first; upstream, 4:2:0 of any size,
    // so that a converter there which takes the first choice passes those as
    // they are and brings other formats to them (this element's BGRx has to
    // keep its size).
    const bool upstream = direction == GST_PAD_SRC;
    for (const bool scaled : {upstream, !upstream}) {
        for (guint i = 0; i < count; ++i) {
            GstCapsFeatures* features = gst_caps_get_features(caps, i);
            if (features != nullptr && !gst_caps_features_is_any(features) &&
                !gst_caps_features_is_equal(features, GST_CAPS_FEATURES_MEMORY_SYSTEM_MEMORY)) {
                continue;  // frames this element cannot read or write
            }
            const GstStructure* from = gst_caps_get_structure(caps, i);
            GstStructure* structure = nullptr;
            if (direction == GST_PAD_SINK) {
                if (scaled && !allowsFormat(from, {"I420", "YV12"})) {
                    continue;
                }
                structure = scaled ? anySize(from) : gst_structure_copy(from);
                gst_structure_remove_fields(structure, "format", "colorimetry", "chroma-site",
                                            nullptr);
                gst_structure_set(structure, "format", G_TYPE_STRING, "BGRx", nullptr);
            } else {
                structure = scaled ? anySize(from) : gst_structure_copy(from);
                gst_structure_remove_fields(structure, "format", "colorimetry", "chroma-site",
                                            nullptr);
                if (scaled) {
                    setFormats(structure, {"I420", "YV12"});
                } else {
                    setFormats(structure, {"I420", "YV12", "BGRx"});
                }
            }
            result = gst_caps_merge_structure_full(
                result, structure,
                features != nullptr ? gst_caps_features_copy(features) : nullptr);
        }
    }
    if (filter != nullptr) {
        GstCaps* both = gst_caps_intersect_full(filter, result, GST_CAPS_INTERSECT_FIRST);
        gst_caps_unref(result);
        result = both;
    }
    return result;
}

// The output keeps the input's size and shape where downstream allows it, and
// else takes the size downstream asks for (the window's picture).
GstCaps* fixateCaps(GstBaseTransform*, GstPadDirection direction, GstCaps* caps,
                    GstCaps* othercaps) {
    if (direction == GST_PAD_SINK) {
        const GstStructure* in = gst_caps_get_structure(caps, 0);
        GstCaps* same = gst_caps_new_empty_simple("video/x-raw");
        for (const char* field : {"width", "height", "pixel-aspect-ratio"}) {
            if (const GValue* value = gst_structure_get_value(in, field)) {
                gst_caps_set_value(same, field, value);
            }
        }
        GstCaps* kept = gst_caps_intersect_full(othercaps, same, GST_CAPS_INTERSECT_FIRST);
        gst_caps_unref(same);
        if (!gst_caps_is_empty(kept)) {
            gst_caps_unref(othercaps);
            othercaps = kept;
        } else {
            gst_caps_unref(kept);
            othercaps = gst_caps_make_writable(gst_caps_truncate(othercaps));
            GstStructure* out = gst_caps_get_structure(othercaps, 0);
            int width = 0;
            int height = 0;
            gst_structure_get_int(in, "width", &width);
            gst_structure_get_int(in, "height", &height);
            gst_structure_fixate_field_nearest_int(out, "width", width);
            gst_structure_fixate_field_nearest_int(out, "height", height);
            if (gst_structure_has_field(out, "pixel-aspect-ratio")) {
                gst_structure_fixate_field_nearest_fraction(out, "pixel-aspect-ratio", 1, 1);
            }
        }
    }
    return gst_caps_fixate(othercaps);
}

gboolean setInfo(GstVideoFilter* filter, GstCaps*, GstVideoInfo* in, GstCaps*, GstVideoInfo* out) {
    const bool bgrx = GST_VIDEO_INFO_FORMAT(in) == GST_VIDEO_FORMAT_BGRx;
    const bool sameSize = GST_VIDEO_INFO_WIDTH(in) == GST_VIDEO_INFO_WIDTH(out) &&
                          GST_VIDEO_INFO_HEIGHT(in) == GST_VIDEO_INFO_HEIGHT(out);
    if ((bgrx && !sameSize) || GST_VIDEO_INFO_FORMAT(out) != GST_VIDEO_FORMAT_BGRx) {
        return FALSE;
    }
    auto* convert = self(filter);
    gst_base_transform_set_passthrough(GST_BASE_TRANSFORM(filter), bgrx);
    convert->scaled = !sameSize;
    if (bgrx) {
        return TRUE;
    }
    if (convert->scaled) {
        try {
            convert->scaler->Prepare(GST_VIDEO_INFO_WIDTH(in), GST_VIDEO_INFO_HEIGHT(in),
                                     GST_VIDEO_INFO_WIDTH(out), GST_VIDEO_INFO_HEIGHT(out));
        } catch (const std::bad_alloc&) {
            return FALSE;  // sizes beyond memory: not negotiated, rather than a crash
        }
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
    auto* convert = self(filter);
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
    if (convert->scaled) {
        convert->scaler->Convert({y, u, v, yStride, uStride, vStride}, fields, bgrx, outStride,
                                 convert->weights);
        return GST_FLOW_OK;
    }
    for (int row = 0; row < height; ++row) {
        const int chroma = std::min(fields ? (row >> 2) * 2 + (row & 1) : row >> 1, chromaRows - 1);
        YuvToBgrx::ConvertRow(y + static_cast<gsize>(row) * yStride,
                              u + static_cast<gsize>(chroma) * uStride,
                              v + static_cast<gsize>(chroma) * vStride,
                              bgrx + static_cast<gsize>(row) * outStride, width, convert->weights);
    }
    return GST_FLOW_OK;
}

GObjectClass* parentClass = nullptr;

void finalize(GObject* object) {
    auto* convert = reinterpret_cast<VelorinePictureConvert*>(object);
    delete convert->scaler;
    convert->scaler = nullptr;
    parentClass->finalize(object);
}

void classInit(gpointer klass, gpointer) {
    parentClass = G_OBJECT_CLASS(g_type_class_peek_parent(klass));
    GstElementClass* element = GST_ELEMENT_CLASS(klass);
    gst_element_class_set_static_metadata(element, "Picture converter", "Filter/Converter/Video",
                                          "Turns 4:2:0 pictures into BGRx, scaled to the size "
                                          "downstream asks for",
                                          "Velorine");
    gst_element_class_add_static_pad_template(element, &kInput);
    gst_element_class_add_static_pad_template(element, &kOutput);
    G_OBJECT_CLASS(klass)->finalize = &finalize;
    GST_BASE_TRANSFORM_CLASS(klass)->transform_caps = &transformCaps;
    GST_BASE_TRANSFORM_CLASS(klass)->fixate_caps = &fixateCaps;
    GST_BASE_TRANSFORM_CLASS(klass)->passthrough_on_same_caps = TRUE;
    GST_VIDEO_FILTER_CLASS(klass)->set_info = &setInfo;
    GST_VIDEO_FILTER_CLASS(klass)->transform_frame = &transformFrame;
}

void instanceInit(GTypeInstance* instance, gpointer) {
    auto* convert = reinterpret_cast<VelorinePictureConvert*>(instance);
    convert->weights = YuvToBgrx::WeightsFor(0.2126, 0.0722, false);
    convert->scaled = false;
    convert->scaler = new YuvScale::Scaler;
    // Upstream sees 4:2:0 of any size first, not the untransformed BGRx of the
    // window's size, so that a converter there passes decoded frames as they
    // are rather than scaling them itself.
    gst_base_transform_set_prefer_passthrough(GST_BASE_TRANSFORM(instance), FALSE);
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
