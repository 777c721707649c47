// The shared line readers over 16 MB of tracklist text (8 M UTF-16 units of paths)
// with three kinds of line end: CR LF (the baseline: what the jukebox writes),
// CR alone (as some old tools write) and none at all. Each should cost about the
// same per unit, whatever the line ends: ReadLines (the data files) and
// ReadLinePieces (skin files).
#include <benchmark/benchmark.h>

#include <QString>

#include "jukebox/common/text_lines.h"

namespace {

constexpr qsizetype kUnits = 8 * 1024 * 1024;

enum LineEnds { CrLf = 0, CrOnly = 1, None = 2 };

QString tracklistText(LineEnds ends) {
    const QString end = ends == CrLf     ? QStringLiteral("\r\n")
                        : ends == CrOnly ? QStringLiteral("\r")
                                         : QString();
    QString text;
    text.reserve(kUnits + 128);
    for (int i = 0; text.size() < kUnits; ++i) {
        text += QStringLiteral("/home/user/music/Some Artist/Some Album/%1 A Track Title.mp3")
                    .arg(i, 6, 10, QLatin1Char('0'));
        text += end;
    }
    text.truncate(kUnits);
    return text;
}

void BM_ReadLinePieces(benchmark::State& state) {
    const QString text = tracklistText(static_cast<LineEnds>(state.range(0)));
    qsizetype pieces = 0;
    for (auto _ : state) {
        QStringList lines = ReadLinePieces(text);
        pieces = lines.size();
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(state.iterations() * kUnits * 2);
    state.counters["pieces"] = static_cast<double>(pieces);
}
BENCHMARK(BM_ReadLinePieces)
    ->ArgName("ends")
    ->Arg(CrLf)
    ->Arg(CrOnly)
    ->Arg(None)
    ->Unit(benchmark::kMillisecond);

void BM_ReadLines(benchmark::State& state) {
    const QString text = tracklistText(static_cast<LineEnds>(state.range(0)));
    qsizetype lines = 0;
    for (auto _ : state) {
        QStringList read = ReadLines(text);
        lines = read.size();
        benchmark::DoNotOptimize(read.data());
    }
    state.SetBytesProcessed(state.iterations() * kUnits * 2);
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ReadLines)
    ->ArgName("ends")
    ->Arg(CrLf)
    ->Arg(CrOnly)
    ->Arg(None)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
