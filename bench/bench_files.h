#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A folder of generated media files for benchmarks, removed at exit.
class BenchFolder {
public:
    BenchFolder();
    ~BenchFolder();
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Writes count small MP3 files (an MPEG frame header, a body and an ID3v1 block
// with GBK text and a marker) named track00000.mp3 ... into folder; returns their
// paths in order.
std::vector<std::string> makeTaggedMp3Files(const std::filesystem::path& folder, int count,
                                            size_t bodySize = 4096);

// The baseline of tag reading: opens each file, reads its first 4 and last 128
// bytes and closes it. Returns a sum of the bytes read, so the reads are kept.
unsigned readHeadsAndTails(const std::vector<std::string>& paths);

// Prepares folder as scripts/run prepares a working folder: the extension lists
// and the shipped skins copied from shipped.
void copyShippedWorkFiles(const std::filesystem::path& shipped,
                          const std::filesystem::path& folder);
