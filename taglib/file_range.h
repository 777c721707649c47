#pragma once

#include <cstddef>
#include <cstdint>

// Exactly size bytes at offset of an open file, read or written with pread or
// pwrite (retried when a signal cuts one short). False on an error, or when the
// file ends first.
bool ReadFileRange(int fd, void* buffer, size_t size, int64_t offset);
bool WriteFileRange(int fd, const void* buffer, size_t size, int64_t offset);
