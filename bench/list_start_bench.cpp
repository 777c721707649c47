// The jukebox started as a user starts it, timed from the start of the process
// until its saved list is complete (the line the program writes to the terminal
// when VELORINE_TIMING is set): a tracklist of 10,000 and of 100,000 tagged MP3
// files, with the tag cache of an earlier start and without one. Baseline in
// this program: the same start with an empty list.
//
// The program runs on the display in DISPLAY (QT_QPA_PLATFORM is passed on), or
// offscreen without one, with a home folder of its own and no session bus.
// VELORINE_BENCH_PROGRAM names another build of the program to time (an older
// one, for the figures beside it). "Without cache" means without the tag cache:
// the files themselves are in the system's page cache in both.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QString>
#include <QStringList>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "bench/bench_files.h"
#include "jukebox/common/utf16_file.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A home, a working folder with its tracklist, and the music.
struct Setup {
    explicit Setup(int tracks) {
        fs::create_directories(home());
        fs::create_directories(work());
        QStringList lines;
        if (tracks > 0) {
            // Small files: a frame header and the ID3v1 block, in folders of
            // 500 as albums would be.
            for (int first = 0; first < tracks; first += 500) {
                const fs::path album = dir.path() / "music" / std::to_string(first / 500);
                fs::create_directories(album);
                for (const std::string& path :
                     makeTaggedMp3Files(album, std::min(500, tracks - first), 128)) {
                    lines.append(QString::fromStdString(path));
                    // A library's files are older than its list: a file written
                    // a moment ago is not cached.
                    fs::last_write_time(
                        path, fs::file_time_type::clock::now() - std::chrono::hours(24 * 30));
                }
            }
        }
        WriteUtf16Lines(QString::fromStdString((work() / "default.trk").string()), lines);
    }
    fs::path home() const { return dir.path() / "home"; }
    fs::path work() const { return dir.path() / "work"; }
    fs::path cache() const { return home() / "cache"; }
    BenchFolder dir;
};

Setup& setupFor(int tracks) {
    static std::map<int, std::unique_ptr<Setup>> setups;
    std::unique_ptr<Setup>& setup = setups[tracks];
    if (!setup) {
        setup = std::make_unique<Setup>(tracks);
    }
    return *setup;
}

std::vector<std::string> childEnvironment(const Setup& setup) {
    std::map<std::string, std::string> vars;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const char* equals = std::strchr(*entry, '=');
        if (equals != nullptr) {
            vars[std::string(*entry, static_cast<size_t>(equals - *entry))] = equals + 1;
        }
    }
    // Alone: a jukebox already running on the bus would be handed the start.
    vars.erase("DBUS_SESSION_BUS_ADDRESS");
    vars["HOME"] = setup.home().string();
    vars["XDG_CONFIG_HOME"] = (setup.home() / "config").string();
    vars["XDG_DATA_HOME"] = (setup.home() / "data").string();
    vars["XDG_CACHE_HOME"] = setup.cache().string();
    vars["VELORINE_WORK_DIR"] = setup.work().string();
    vars["VELORINE_TIMING"] = "1";
    vars["VELORINE_AUDIO_SINK"] = "fakesink sync=true";
    if (vars.count("DISPLAY") == 0 && vars.count("QT_QPA_PLATFORM") == 0) {
        vars["QT_QPA_PLATFORM"] = "offscreen";
    }
    std::vector<std::string> out;
    for (const auto& [name, value] : vars) {
        out.push_back(name + "=" + value);
    }
    return out;
}

// The processor time the process has used so far, in milliseconds (its own
// threads, not its children); on a busy machine it tells the work apart from
// the waiting for a turn.
double cpuMs(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t end = stat.rfind(')');  // the name may hold spaces
    if (end == std::string::npos) {
        return 0;
    }
    std::istringstream fields(stat.substr(end + 2));
    std::string field;
    double ticks = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14 || i == 15) {  // utime, stime
            ticks += std::stod(field);
        }
    }
    return ticks * 1000.0 / double(::sysconf(_SC_CLK_TCK));
}

// Starts the program and waits for its line; the seconds until then, or a
// negative number when it never came. cpu: the processor time used until then.
double timeToListComplete(const Setup& setup, int expected, std::string& error,
                          double* cpu = nullptr) {
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) {
        error = "no pipe";
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
    std::vector<std::string> env = childEnvironment(setup);
    std::vector<char*> envp;
    for (std::string& var : env) {
        envp.push_back(var.data());
    }
    envp.push_back(nullptr);
    const char* other = std::getenv("VELORINE_BENCH_PROGRAM");
    std::string program = other != nullptr && *other != '\0' ? other : VELORINE_PROGRAM;
    char* argv[] = {program.data(), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    if (spawned != 0) {
        ::close(pipeEnds[0]);
        error = "cannot start " + program;
        return -1;
    }
    double seconds = -1;
    std::string output;
    const std::string expectedLine = "velorine: list loaded " + std::to_string(expected) + " ";
    for (;;) {
        pollfd wait{pipeEnds[0], POLLIN, 0};
        if (::poll(&wait, 1, 120000) <= 0) {
            error = "no answer within two minutes";
            break;
        }
        char buffer[4096];
        const ssize_t got = ::read(pipeEnds[0], buffer, sizeof buffer);
        if (got <= 0) {
            error = "the program ended: " + output;
            break;
        }
        output.append(buffer, static_cast<size_t>(got));
        if (output.find(expectedLine) != std::string::npos) {
            seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            if (cpu != nullptr) {
                *cpu = cpuMs(pid);
            }
            break;
        }
        if (output.find("velorine: list loaded ") != std::string::npos) {
            error = "another count: " + output;
            break;
        }
    }
    // Closed the way a user's logout closes it, so the cache of this start is
    // written as it would be.
    ::kill(pid, SIGTERM);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ::close(pipeEnds[0]);
    return seconds;
}

void runStarts(benchmark::State& state, bool keepCache) {
    const int tracks = static_cast<int>(state.range(0));
    Setup& setup = setupFor(tracks);
    std::string error;
    if (keepCache) {
        timeToListComplete(setup, tracks, error);  // the start that fills the cache
    }
    for (auto _ : state) {
        if (!keepCache) {
            std::error_code ignored;
            fs::remove_all(setup.cache(), ignored);
        }
        double cpu = 0;
        const double seconds = timeToListComplete(setup, tracks, error, &cpu);
        state.counters["cpu_ms"] += cpu;
        if (seconds < 0) {
            state.SkipWithError(error.c_str());
            break;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["cpu_ms"] /= double(state.iterations());
}

void BM_ListCompleteWithCache(benchmark::State& state) {
    runStarts(state, true);
}

void BM_ListCompleteWithoutCache(benchmark::State& state) {
    runStarts(state, false);
}

void BM_ListCompleteEmptyBaseline(benchmark::State& state) {
    runStarts(state, true);
}

}  // namespace

BENCHMARK(BM_ListCompleteEmptyBaseline)
    ->Arg(0)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(BM_ListCompleteWithCache)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(BM_ListCompleteWithoutCache)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

BENCHMARK_MAIN();
