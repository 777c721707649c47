// Counting the frames of a 10 MB VBR MP3 without a Xing header, beside a baseline
// that only reads the whole file through the same size of window.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <vector>

#include "bench/bench_files.h"
#include "taglib/mpeg_frame_scan.h"

namespace {

constexpr size_t kFileBytes = 10 * 1024 * 1024;

// MPEG-1 Layer III frames at 44.1 kHz of bit rates 64 to 320 kbit/s with bodies of
// random bytes (syncs among them), an ID3v2 tag before and an ID3v1 block after.
const std::string& mp3Path() {
    static BenchFolder folder;
    static const std::string path = [] {
        const int indexes[] = {5, 9, 10, 11, 12, 14};
        const int kbps[] = {64, 128, 160, 192, 224, 320};
        std::mt19937 random(3);
        std::string bytes = std::string("ID3\x04\0\0\0\0\x10\0", 10) + std::string(2048, '\0');
        while (bytes.size() < kFileBytes) {
            const int pick = static_cast<int>(random() % 6);
            const int padding = static_cast<int>(random() % 2);
            std::string frame(static_cast<size_t>(144 * kbps[pick] * 1000 / 44100 + padding), '\0');
            for (char& c : frame) {
                c = static_cast<char>(random());
            }
            frame[0] = '\xFF';
            frame[1] = '\xFB';
            frame[2] = static_cast<char>(indexes[pick] << 4 | padding << 1);
            frame[3] = '\x44';
            bytes += frame;
        }
        bytes += "TAG" + std::string(125, ' ');
        const std::string file = (folder.path() / "long.mp3").string();
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }();
    return path;
}

void BM_ReadWholeFileBaseline(benchmark::State& state) {
    const std::string& path = mp3Path();
    std::vector<char> window(MpegFrameScan::kWindowBytes);
    for (auto _ : state) {
        int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        size_t total = 0;
        for (ssize_t n; (n = read(fd, window.data(), window.size())) > 0;) {
            total += static_cast<size_t>(n);
        }
        close(fd);
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kFileBytes);
}
BENCHMARK(BM_ReadWholeFileBaseline)->Unit(benchmark::kMillisecond);

void BM_CountFramesOf10MbMp3(benchmark::State& state) {
    const std::string& path = mp3Path();
    for (auto _ : state) {
        MpegStreamLength length;
        if (!MpegFrameScan::scanFile(path, length)) {
            state.SkipWithError("no frames found");
            break;
        }
        benchmark::DoNotOptimize(length.durationMs);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kFileBytes);
}
BENCHMARK(BM_CountFramesOf10MbMp3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
