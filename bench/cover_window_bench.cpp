// The cover window opening 1,000 tracks, each in a folder of its own with a
// 500 x 500 cover.jpg: per track the lookup, the decode, the scaling and a real
// repaint of the shown 200 x 200 window. Baseline in this program: decoding the
// same JPEG files alone. A third figure repaints the window with the picture
// already scaled, the cost of every other paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <fstream>
#include <vector>

#include "bench/bench_files.h"
#include "jukebox/cover/image_codec.h"
#include "jukebox/cover_window/cover_wnd.h"

namespace {

constexpr int kTracks = 1000;
constexpr int kSide = 500;

// A picture with the detail of a photograph (smooth shading and fine rings), so
// the JPEG is of a cover's usual size.
QByteArray coverJpeg() {
    QImage image(kSide, kSide, QImage::Format_RGB32);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const double ring = std::sin(std::hypot(x - 180, y - 220) / 3.0);
            const int shade = static_cast<int>(127 + 100 * ring);
            image.setPixel(x, y, qRgb(x * 255 / kSide, shade, y * 255 / kSide));
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

// The tracks, made once: folder00000/track.mp3 ... with cover.jpg beside each.
struct Collection {
    BenchFolder folder;
    std::vector<QString> tracks;
    std::vector<QString> covers;
    qsizetype jpegBytes = 0;

    Collection() {
        const QByteArray jpeg = coverJpeg();
        jpegBytes = jpeg.size();
        for (int i = 0; i < kTracks && !jpeg.isEmpty(); ++i) {
            const auto dir =
                folder.path() /
                QStringLiteral("folder%1").arg(i, 5, 10, QLatin1Char('0')).toStdString();
            std::filesystem::create_directories(dir);
            std::ofstream(dir / "cover.jpg", std::ios::binary).write(jpeg.constData(), jpeg.size());
            std::ofstream(dir / "track.mp3", std::ios::binary) << "x";
            tracks.push_back(QString::fromStdString((dir / "track.mp3").string()));
            covers.push_back(QString::fromStdString((dir / "cover.jpg").string()));
        }
    }
};

Collection& collection() {
    static Collection made;
    return made;
}

void showWindow(CCoverWnd& wnd) {
    wnd.Park(QPoint(10, 10), QSize(200, 200));
    wnd.SetCoverVisible(true);
    wnd.FinishFade();
    QCoreApplication::processEvents();
}

void BM_DecodeJpegAlone(benchmark::State& state) {
    Collection& tracks = collection();
    if (tracks.covers.empty()) {
        state.SkipWithError("no JPEG writer");
        return;
    }
    size_t i = 0;
    PixelBuffer picture;
    for (auto _ : state) {
        ImageCodec::LoadImageFile(tracks.covers[i++ % tracks.covers.size()], picture);
        benchmark::DoNotOptimize(picture.pixels.data());
    }
    state.counters["jpeg_kB"] = static_cast<double>(tracks.jpegBytes) / 1024.0;
}
BENCHMARK(BM_DecodeJpegAlone)->Iterations(kTracks)->Unit(benchmark::kMillisecond);

void BM_LoadCoverAndRepaint(benchmark::State& state) {
    Collection& tracks = collection();
    CCoverWnd wnd;
    showWindow(wnd);
    size_t i = 0;
    for (auto _ : state) {
        wnd.LoadCover(tracks.tracks[i++ % tracks.tracks.size()]);
        wnd.repaint();
    }
    if (!wnd.hasPicture()) {
        state.SkipWithError("cover not loaded");
    }
}
BENCHMARK(BM_LoadCoverAndRepaint)->Iterations(kTracks)->Unit(benchmark::kMillisecond);

void BM_RepaintScaledCover(benchmark::State& state) {
    CCoverWnd wnd;
    showWindow(wnd);
    wnd.LoadCover(collection().tracks.front());
    for (auto _ : state) {
        wnd.repaint();
    }
}
BENCHMARK(BM_RepaintScaledCover)->Iterations(kTracks)->Unit(benchmark::kMillisecond);

}  // namespace
