#pragma once

#include <cstdint>
#include <string>

// What a write or a removal of an ID3v1 block does to a file: its length and its
// last bytes (a block's worth, or the whole file when it is shorter) before and
// after. A write changes only the last block or appends one, a removal cuts one
// off, so these bytes are all it takes to put the file back as it was.
struct TagChange {
    std::string path;  // the file's path, its bytes
    int64_t sizeBefore = 0;
    bool hadTag = false;  // the file ended in a block before
    std::string tailBefore;
    int64_t sizeAfter = 0;
    std::string tailAfter;
};
