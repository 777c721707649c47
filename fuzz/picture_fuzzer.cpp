// Cover pictures: the input is a picture file, through the cover window's type
// detection, decoder and resampling. Built twice, as the JPEG and the PNG
// fuzzer: the code is the same, the seeds and dictionaries differ.
#include <cstddef>
#include <cstdint>

#include "fuzz/picture_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DecodeAndCheckPicture(data, size);
    return 0;
}
