#pragma once

#include <cstddef>
#include <cstdint>

#include "jukebox/cover/image_codec.h"

// Runs one input through the cover window's path: the type from the signature,
// the decoder of that type, and for a picture of sane size the resampling to a
// window's size. Aborts (a finding) when the decoder breaks its promise: a
// picture out of bounds or with pixels that do not match its size, or a
// refused one that leaves pixels behind.
void DecodeAndCheckPicture(const uint8_t* data, size_t size);
