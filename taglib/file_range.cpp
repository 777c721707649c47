#include "taglib/file_range.h"

#include <unistd.h>

#include <cerrno>

namespace {

template <typename Buffer, typename Transfer>
bool transferAll(int fd, Buffer* buffer, size_t size, int64_t offset, Transfer transfer) {
    size_t done = 0;
    while (done < size) {
        ssize_t n = transfer(fd, buffer + done, size - done, static_cast<off_t>(offset) + done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

bool ReadFileRange(int fd, void* buffer, size_t size, int64_t offset) {
    return transferAll(fd, static_cast<char*>(buffer), size, offset, ::pread);
}

bool WriteFileRange(int fd, const void* buffer, size_t size, int64_t offset) {
    return transferAll(fd, static_cast<const char*>(buffer), size, offset, ::pwrite);
}
