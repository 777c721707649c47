// The memory of the real jukebox: the velorine program is started on Qt's
// offscreen platform with a saved tracklist of 100,000 tagged MP3 files (albums
// of 10 to 20 tracks that share artist, album, genre and year), its tracklist
// window shown and an MP3 playing on a fake audio sink. Reported: the peak
// resident memory of the process (VmHWM) and what one entry costs, the
// difference between the lists of 100,000 and of 10,000 entries.
//
// The program measured is the one built beside this benchmark; a second one
// (an older build, say) is measured beside it when VELORINE_BASELINE_PROGRAM
// names it. Each start has its own working folder, settings and session bus,
// so that a jukebox already running on the desktop is never handed the file.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <cstdio>
#include <fstream>
#include <memory>

#include "bench/bench_files.h"

namespace {

constexpr int kLargeList = 100000;
constexpr int kSmallList = 10000;
// Played this long before the peak is read: the pipeline is built and running.
constexpr qint64 kPlayedUs = 3000000;
constexpr int kStartTimeoutMs = 15 * 60 * 1000;

// One MPEG-1 layer III frame of silence (128 kbit/s, 44.1 kHz, stereo).
std::string silentFrame() {
    std::string frame(417, '\0');
    frame[0] = '\xFF';
    frame[1] = '\xFB';
    frame[2] = '\x90';
    frame[3] = '\x00';
    return frame;
}

void putText(std::string& block, size_t at, size_t width, const std::string& text) {
    block.replace(at, std::min(width, text.size()), text.substr(0, width));
}

// The ID3v1 block of one track.
std::string id3v1(const std::string& title, const std::string& artist, const std::string& album,
                  const std::string& year, const std::string& comment, int track, int genre) {
    std::string block(128, '\0');
    block.replace(0, 3, "TAG");
    putText(block, 3, 30, title);
    putText(block, 33, 30, artist);
    putText(block, 63, 30, album);
    putText(block, 93, 4, year);
    putText(block, 97, 28, comment);
    block[126] = static_cast<char>(track);
    block[127] = static_cast<char>(genre);
    return block;
}

// The collection: music/<artist>/<album>/<nn> <title>.mp3, albums of 10 to 20
// tracks, five albums an artist; the first file (the one played) lasts a minute.
struct Collection {
    Collection() {
        const std::filesystem::path music = folder.path() / "music";
        const std::string frame = silentFrame();
        std::string minute;
        for (int i = 0; i < 60 * 38; ++i) {
            minute += frame;
        }
        const std::string shortBody = frame;
        int album = 0;
        while (static_cast<int>(paths.size()) < kLargeList) {
            const int tracks = 10 + (album * 7) % 11;
            const int artist = album / 5;
            char artistName[32];
            char albumName[32];
            std::snprintf(artistName, sizeof artistName, "Artist %04d", artist);
            std::snprintf(albumName, sizeof albumName, "Album %05d", album);
            const std::filesystem::path dir = music / artistName / albumName;
            std::filesystem::create_directories(dir);
            const std::string year = std::to_string(1960 + album % 60);
            const std::string comment = "Bought in " + std::to_string(1990 + album % 30);
            for (int t = 1; t <= tracks && static_cast<int>(paths.size()) < kLargeList; ++t) {
                const std::string title = "Song " + std::to_string(paths.size());
                char name[64];
                std::snprintf(name, sizeof name, "%02d %s.mp3", t, title.c_str());
                const std::string path = (dir / name).string();
                std::ofstream out(path, std::ios::binary);
                out << (paths.empty() ? minute : shortBody)
                    << id3v1(title, artistName, std::string(albumName) + " by " + artistName, year,
                             comment, t, album % 80);
                paths.push_back(path);
            }
            ++album;
        }
    }

    // A tracklist file of the first count paths.
    std::filesystem::path tracklist(int count) const {
        const std::filesystem::path file =
            folder.path() / ("list" + std::to_string(count) + ".trk");
        std::ofstream out(file, std::ios::binary);
        out << "\xFF\xFE";
        for (int i = 0; i < count; ++i) {
            const QString line =
                QString::fromStdString(paths[static_cast<size_t>(i)]) + QStringLiteral("\r\n");
            out.write(reinterpret_cast<const char*>(line.utf16()),
                      static_cast<std::streamsize>(line.size() * 2));
        }
        return file;
    }

    BenchFolder folder;
    std::vector<std::string> paths;
};

const Collection& collection() {
    static const Collection made;
    return made;
}

// A session bus of its own, ended with the benchmark.
class PrivateBus {
public:
    PrivateBus() {
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--print-address")});
        if (daemon_.waitForReadyRead(10000)) {
            address = QString::fromUtf8(daemon_.readLine()).trimmed();
        }
    }
    ~PrivateBus() {
        daemon_.terminate();
        daemon_.waitForFinished(5000);
    }
    QString address;

private:
    QProcess daemon_;
};

long statusKb(qint64 pid, const char* field) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key)) {
            return line.mid(key.size()).trimmed().split(' ').value(0).toLong();
        }
    }
    return -1;
}

struct Figures {
    bool ok = false;
    QString error;
    double peakMB = 0;
    double residentMB = 0;
    double startSeconds = 0;
};

Figures runOnce(const QString& program, const QProcessEnvironment& env, const QString& bus,
                const QString& first, int count);

// Starts program with a list of count entries and waits until the first track
// has played for a while: at a first start (the tag cache is built), and, when
// warm is given, again at a second start, as a user starts it every day.
Figures measure(const QString& program, int count, Figures* warm = nullptr) {
    Figures figures;
    const Collection& music = collection();
    BenchFolder scratch;
    const std::filesystem::path work = scratch.path() / "work";
    const std::filesystem::path home = scratch.path() / "home";
    std::filesystem::create_directories(work);
    std::filesystem::create_directories(home / ".config" / "Quillamo");
    copyShippedWorkFiles(VELORINE_WORK_DIR, work);
    {
        std::ofstream conf(home / ".config" / "Quillamo" / "velorine.conf");
        conf << "[Settings]\nTrackfile=" << music.tracklist(count).string()
             << "\nTlistShown=1\nAutoplay=1\n";
    }
    PrivateBus bus;
    if (bus.address.isEmpty()) {
        figures.error = QStringLiteral("no session bus (dbus-daemon)");
        return figures;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("VELORINE_AUDIO_SINK"), QStringLiteral("fakesink sync=true"));
    env.insert(QStringLiteral("VELORINE_WORK_DIR"), QString::fromStdString(work.string()));
    env.insert(QStringLiteral("HOME"), QString::fromStdString(home.string()));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"),
               QString::fromStdString((home / ".config").string()));
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address);
    const QString first = QString::fromStdString(music.paths.front());
    figures = runOnce(program, env, bus.address, first, count);
    if (warm != nullptr && figures.ok) {
        *warm = runOnce(program, env, bus.address, first, count);
    }
    return figures;
}

Figures runOnce(const QString& program, const QProcessEnvironment& env, const QString& busAddress,
                const QString& first, int count) {
    Figures figures;
    QProcess jukebox;
    jukebox.setProcessEnvironment(env);
    jukebox.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer started;
    started.start();
    jukebox.start(program, {first});
    if (!jukebox.waitForStarted(10000)) {
        figures.error = QStringLiteral("cannot start ") + program;
        return figures;
    }
    const QString name = QStringLiteral("bench-") + QString::number(count);
    {
        QDBusConnection connection = QDBusConnection::connectToBus(busAddress, name);
        // Asked anew at every poll: the player appears on the bus only once the
        // jukebox has started.
        auto property = [&connection](const QString& which) {
            QDBusMessage get = QDBusMessage::createMethodCall(
                QStringLiteral("org.mpris.MediaPlayer2.velorine"),
                QStringLiteral("/org/mpris/MediaPlayer2"),
                QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
            get << QStringLiteral("org.mpris.MediaPlayer2.Player") << which;
            const QDBusReply<QDBusVariant> reply = connection.call(get, QDBus::Block, 5000);
            return reply.isValid() ? reply.value().variant() : QVariant();
        };
        while (started.elapsed() < kStartTimeoutMs && jukebox.state() == QProcess::Running) {
            jukebox.waitForFinished(200);  // a poll of the bus every 200 ms
            if (property(QStringLiteral("PlaybackStatus")).toString() ==
                    QStringLiteral("Playing") &&
                property(QStringLiteral("Position")).toLongLong() >= kPlayedUs) {
                figures.ok = true;
                break;
            }
        }
    }
    QDBusConnection::disconnectFromBus(name);
    figures.startSeconds = double(started.elapsed()) / 1000.0;
    if (figures.ok) {
        figures.peakMB = double(statusKb(jukebox.processId(), "VmHWM")) / 1024.0;
        figures.residentMB = double(statusKb(jukebox.processId(), "VmRSS")) / 1024.0;
    } else {
        figures.error = QStringLiteral("the first track did not play");
    }
    jukebox.terminate();
    if (!jukebox.waitForFinished(20000)) {
        jukebox.kill();
        jukebox.waitForFinished(5000);
    }
    return figures;
}

QString builtProgram() {
    return QStringLiteral(VELORINE_PROGRAM);
}

void jukeboxPeak(benchmark::State& state, const QString& program) {
    if (program.isEmpty()) {
        state.SkipWithError("set VELORINE_BASELINE_PROGRAM to the program to compare with");
        return;
    }
    collection();
    Figures large;
    Figures small;
    Figures largeWarm;
    for (auto _ : state) {
        small = measure(program, kSmallList);
        large = measure(program, kLargeList, &largeWarm);
    }
    if (!small.ok || !large.ok) {
        state.SkipWithError((small.ok ? large.error : small.error).toStdString().c_str());
        return;
    }
    state.counters["peak_MB_100k"] = large.peakMB;
    if (largeWarm.ok) {
        state.counters["peak_MB_100k_second_start"] = largeWarm.peakMB;
    }
    state.counters["resident_MB_100k"] = large.residentMB;
    state.counters["peak_MB_10k"] = small.peakMB;
    state.counters["KB_per_entry"] =
        (large.peakMB - small.peakMB) * 1024.0 / double(kLargeList - kSmallList);
    state.counters["start_to_playing_s_100k"] = large.startSeconds;
}

void BM_JukeboxPeakWith100kPlaying(benchmark::State& state) {
    jukeboxPeak(state, builtProgram());
}

void BM_JukeboxPeakWith100kPlayingBaseline(benchmark::State& state) {
    jukeboxPeak(state, qEnvironmentVariable("VELORINE_BASELINE_PROGRAM"));
}

}  // namespace

BENCHMARK(BM_JukeboxPeakWith100kPlaying)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_JukeboxPeakWith100kPlayingBaseline)->Iterations(1)->Unit(benchmark::kSecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
