#pragma once

// An element of this program's own that turns decoded 4:2:0 pictures (I420,
// YV12) into BGRx of the same size, for a sink that draws BGRx into a window.
// It does the one conversion every frame of common video needs at a fraction of
// the general converter's cost; BGRx passes unchanged, so a converter before it
// brings every other format (and any scaling) to I420 or BGRx.
namespace GstPictureConvert {

// The element's factory name.
inline constexpr const char* kFactory = "velorinepictureconvert";

// Registers the element with GStreamer once (after gst_init); false when that
// failed.
bool Register();

}  // namespace GstPictureConvert
