// The main of the benchmarks that need widgets: offscreen unless a display is
// given, never the user's settings, never a sound card.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSettings>
#include <cstdio>
#include <cstdlib>

#include "bench/bench_files.h"

namespace {

// The offscreen platform says at every window what it cannot do; the figures
// would drown in it.
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    fprintf(stderr, "%s\n", qFormatLogMessage(type, context, text).toLocal8Bit().constData());
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietPlatform);
    static BenchFolder home;
    setenv("HOME", home.path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home.path() / "config").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("VELORINE_AUDIO_SINK", "fakesink sync=true", 0);
    QApplication app(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString((home.path() / "config").string()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
