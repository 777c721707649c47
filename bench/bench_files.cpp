#include "bench/bench_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

BenchFolder::BenchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velorine-bench-XXXXXX");
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = pattern;
}

BenchFolder::~BenchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> makeTaggedMp3Files(const std::filesystem::path& folder, int count,
                                            size_t bodySize) {
    std::string body(bodySize, '\0');
    body[0] = '\xFF';
    body[1] = '\xFB';
    body[2] = '\x90';
    std::vector<std::string> paths;
    paths.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "track%05d.mp3", i);
        std::string block(128, ' ');
        block.replace(0, 3, "TAG");
        std::string title = "\xD6\xD0\xCE\xC4 " + std::to_string(i);  // GBK text
        block.replace(3, title.size(), title);
        block.replace(33, 12, "Some Artist ");
        block.replace(63, 10, "The Album ");
        block.replace(93, 4, "1998");
        block[127] = static_cast<char>(250);  // GB marker
        std::string path = (folder / name).string();
        std::ofstream out(path, std::ios::binary);
        out << body << block;
        paths.push_back(path);
    }
    return paths;
}

unsigned readHeadsAndTails(const std::vector<std::string>& paths) {
    unsigned sum = 0;
    for (const std::string& path : paths) {
        int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        unsigned char head[4] = {};
        unsigned char tail[128] = {};
        if (read(fd, head, sizeof head) > 0) {
            sum += head[0];
        }
        lseek(fd, -128, SEEK_END);
        if (read(fd, tail, sizeof tail) > 0) {
            sum += tail[127];
        }
        close(fd);
    }
    return sum;
}

void copyShippedWorkFiles(const std::filesystem::path& shipped,
                          const std::filesystem::path& folder) {
    for (const char* list : {"audio.flt", "video.flt"}) {
        std::filesystem::copy_file(shipped / list, folder / list);
    }
    std::filesystem::copy(shipped / "skins", folder / "skins",
                          std::filesystem::copy_options::recursive);
}
