#pragma once

// An element of this program's own that turns decoded 4:2:0 pictures (I420,
// YV12) into BGRx, for a sink that draws BGRx into a window, at the size
// downstream asks for (its input's size when downstream leaves it open). It does
// the one conversion every frame of common video needs, scaled on the way
// (bilinear), at a fraction of the general converter's cost; BGRx passes
// unchanged at its own size, so a converter before it brings every other format
// to I420 or BGRx.
namespace GstPictureConvert {

// The element's factory name.
inline constexpr const char* kFactory = "velorinepictureconvert";

// Registers the element with GStreamer once (after gst_init); false when that
// failed.
bool Register();

}  // namespace GstPictureConvert
