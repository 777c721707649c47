// Plays a 1080p30 H.264 clip in the real Velorine under its own X server, beside
// other players of the same clip on the same server, and measures what a user
// sees and pays: the frames that reach the screen (X damage of at least a third
// of the picture's area), the longest gap between two of them, and the CPU time
// of the player (and of the X server) per frame, from /proc/<pid>/stat.
//
// bench_video_playback [--display=:N] [--baseline=<velorine>] [--peer=mpv|none]
//                      [--clip=<file>] [--rounds=N] [--subject=<velorine>]
//                      [--screen=WxH]
// Without a clip, one is made with ffmpeg (testsrc, libx264). Needs Xvfb, openbox,
// ffmpeg, dbus-daemon and dbus-send (Velorine starts stopped: Play goes by MPRIS).
// Other arguments (those of the Google Benchmark programs) are ignored. With
// VIDEO_BENCH_TRACE set, every damage rectangle is printed with its time.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/select.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kFps = 30;
constexpr int kSeconds = 10;
constexpr int kFrames = kFps * kSeconds;
// A frame on screen: one damage of at least this share of the picture.
constexpr long kFrameArea = static_cast<long>(kWidth) * kHeight / 3;

struct Options {
    std::string display = ":97";
    std::string subject = VELORINE_PROGRAM;
    std::string baseline;
    std::string peer = "mpv";
    std::string clip;
    // Tall enough for Velorine's first size to be the picture's own: its video
    // window opens below the face (about 190 pixels), and on a shorter screen
    // it is shrunk to the room left there, so that every frame would be scaled
    // while the peer shows it at its own size. A shorter screen measures that
    // case.
    std::string screen = "2048x1400";
    int rounds = 1;
};

struct Result {
    std::string name;
    int shown = 0;
    double longestGapMs = 0;
    double cpuMs = 0;     // the player's
    double serverMs = 0;  // the X server's
    double wallMs = 0;
    std::string ownCount;  // what the player said of itself
};

bool exists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

bool onPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path != nullptr ? path : "/usr/bin");
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        if (access((dir + "/" + program).c_str(), X_OK) == 0) {
            return true;
        }
    }
    return false;
}

// Starts argv with extra environment, its output to log; the process id.
pid_t start(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env,
            const std::string& log) {
    const pid_t pid = fork();
    if (pid != 0) {
        return pid;
    }
    for (const auto& [name, value] : env) {
        setenv(name.c_str(), value.c_str(), 1);
    }
    const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out >= 0) {
        dup2(out, 1);
        dup2(out, 2);
    }
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
}

void stop(pid_t pid) {
    if (pid <= 0) {
        return;
    }
    kill(pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

int run(const std::string& command) {
    return std::system(command.c_str());
}

// User plus system time of a process, in ms.
double cpuMs(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    const auto close = text.rfind(')');
    if (close == std::string::npos) {
        return 0;
    }
    std::stringstream fields(text.substr(close + 2));
    std::string field;
    unsigned long long utime = 0;
    unsigned long long stime = 0;
    for (int i = 3; fields >> field; ++i) {
        if (i == 14) {
            utime = std::stoull(field);
        } else if (i == 15) {
            stime = std::stoull(field);
            break;
        }
    }
    return static_cast<double>(utime + stime) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

std::string readAll(const std::string& path) {
    std::ifstream file(path);
    return std::string((std::istreambuf_iterator<char>(file)), {});
}

class DamageWatch {
public:
    explicit DamageWatch(const std::string& name) {
        for (int i = 0; i < 100 && display_ == nullptr; ++i) {
            display_ = XOpenDisplay(name.c_str());
            if (display_ == nullptr) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        }
        int error = 0;
        if (display_ != nullptr && XDamageQueryExtension(display_, &damageEvent_, &error)) {
            damage_ =
                XDamageCreate(display_, DefaultRootWindow(display_), XDamageReportRawRectangles);
            XSync(display_, False);
        }
    }
    ~DamageWatch() {
        if (display_ != nullptr) {
            XCloseDisplay(display_);
        }
    }
    bool ready() const { return damage_ != 0; }

    // The times of the frames put on screen until deadline.
    void collect(std::vector<Clock::time_point>& frames, Clock::time_point deadline) {
        const int fd = ConnectionNumber(display_);
        while (Clock::now() < deadline) {
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                if (event.type != damageEvent_ + XDamageNotify) {
                    continue;
                }
                const auto* notify = reinterpret_cast<XDamageNotifyEvent*>(&event);
                const long area = static_cast<long>(notify->area.width) * notify->area.height;
                if (std::getenv("VIDEO_BENCH_TRACE") != nullptr) {
                    std::fprintf(stderr, "damage %lld %dx%d+%d+%d\n",
                                 static_cast<long long>(
                                     std::chrono::duration_cast<std::chrono::microseconds>(
                                         Clock::now().time_since_epoch())
                                         .count()),
                                 notify->area.width, notify->area.height, notify->area.x,
                                 notify->area.y);
                }
                // A frame drawn in several rectangles (Qt flushes in bands) is one
                // burst of damage: rectangles close together in time.
                const auto now = Clock::now();
                if (burstArea_ > 0 && now - burstLast_ > kBurstGap) {
                    closeBurst(frames);
                }
                if (burstArea_ == 0) {
                    burstStart_ = now;
                }
                burstArea_ += area;
                burstLast_ = now;
            }
            if (burstArea_ > 0 && Clock::now() - burstLast_ > kBurstGap) {
                closeBurst(frames);
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
            if (left.count() <= 0) {
                break;
            }
            fd_set read;
            FD_ZERO(&read);
            FD_SET(fd, &read);
            timeval timeout{0, static_cast<long>(std::min<long long>(left.count(), 2000))};
            select(fd + 1, &read, nullptr, nullptr, &timeout);
        }
    }

private:
    static constexpr auto kBurstGap = std::chrono::milliseconds(5);

    void closeBurst(std::vector<Clock::time_point>& frames) {
        if (burstArea_ >= kFrameArea) {
            frames.push_back(burstStart_);
        }
        burstArea_ = 0;
    }

    Display* display_ = nullptr;
    long burstArea_ = 0;
    Clock::time_point burstStart_;
    Clock::time_point burstLast_;
    int damageEvent_ = 0;
    Damage damage_ = 0;
};

struct Setup {
    Options options;
    std::string scratch;
    std::map<std::string, std::string> env;
    pid_t server = 0;
};

Result measure(Setup& setup, const std::string& name, const std::vector<std::string>& argv,
               bool velorine) {
    Result result;
    result.name = name;
    DamageWatch screen(setup.options.display);
    if (!screen.ready()) {
        std::fprintf(stderr, "no damage extension on %s\n", setup.options.display.c_str());
        return result;
    }
    const std::string home = setup.scratch + "/home-" + std::to_string(getpid()) + "-" +
                             std::to_string(Clock::now().time_since_epoch().count());
    run("mkdir -p '" + home + "/work'");
    auto env = setup.env;
    env["HOME"] = home;
    env["VELORINE_WORK_DIR"] = home + "/work";
    const std::string log = home + "/log.txt";
    const pid_t pid = start(argv, env, log);

    std::vector<Clock::time_point> frames;
    if (velorine) {
        // Velorine starts stopped, its first picture cued: play once it shows,
        // asking again while no frame follows (the bus name comes with the window).
        for (int i = 0; i < 100 && frames.empty(); ++i) {
            screen.collect(frames, Clock::now() + std::chrono::milliseconds(100));
        }
        for (int attempt = 0; attempt < 5; ++attempt) {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            frames.clear();
            screen.collect(frames, Clock::now());
            frames.clear();
            run("DBUS_SESSION_BUS_ADDRESS='" + env["DBUS_SESSION_BUS_ADDRESS"] +
                "' dbus-send --session --type=method_call --dest=org.mpris.MediaPlayer2.velorine "
                "/org/mpris/MediaPlayer2 org.mpris.MediaPlayer2.Player.Play 2>/dev/null");
            screen.collect(frames, Clock::now() + std::chrono::seconds(2));
            if (!frames.empty()) {
                break;
            }
        }
    } else {
        screen.collect(frames, Clock::now() + std::chrono::seconds(5));
    }
    if (frames.empty()) {
        std::fprintf(stderr, "%s: no frame seen\n", name.c_str());
        stop(pid);
        return result;
    }
    const double cpu0 = cpuMs(pid);
    const double server0 = cpuMs(setup.server);
    const auto start0 = frames.front();
    const auto end = start0 + std::chrono::milliseconds(kSeconds * 1000);
    screen.collect(frames, end);
    const double cpu1 = cpuMs(pid);
    const double server1 = cpuMs(setup.server);
    std::vector<Clock::time_point> within;
    for (const auto& frame : frames) {
        if (frame >= start0 && frame < end) {
            within.push_back(frame);
        }
    }
    result.shown = static_cast<int>(within.size());
    for (size_t i = 1; i < within.size(); ++i) {
        result.longestGapMs =
            std::max(result.longestGapMs,
                     std::chrono::duration<double, std::milli>(within[i] - within[i - 1]).count());
    }
    result.cpuMs = cpu1 - cpu0;
    result.serverMs = server1 - server0;
    result.wallMs = std::chrono::duration<double, std::milli>(end - start0).count();
    if (velorine) {
        // The end of the clip, and what the player counted itself.
        for (int i = 0; i < 40 && readAll(log).find("velorine: video") == std::string::npos; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        const std::string text = readAll(log);
        const auto at = text.find("velorine: video");
        if (at != std::string::npos) {
            result.ownCount = text.substr(at + 16, text.find('\n', at) - at - 16);
        }
    }
    stop(pid);
    return result;
}

void print(const Result& r, const Result* peer, const Result* baseline) {
    const double perFrame = r.shown > 0 ? r.cpuMs / r.shown : 0;
    std::printf(
        "%-18s shown %3d/%d  dropped %3d  longest gap %6.1f ms  CPU %5.1f %%  "
        "%6.2f ms/frame  X server %5.1f %%",
        r.name.c_str(), r.shown, kFrames, std::max(0, kFrames - r.shown), r.longestGapMs,
        r.wallMs > 0 ? 100.0 * r.cpuMs / r.wallMs : 0.0, perFrame,
        r.wallMs > 0 ? 100.0 * r.serverMs / r.wallMs : 0.0);
    if (peer != nullptr && peer->cpuMs > 0 && r.cpuMs > 0) {
        std::printf("  CPU vs peer %.2f", r.cpuMs / peer->cpuMs);
    }
    if (baseline != nullptr && baseline->cpuMs > 0 && r.cpuMs > 0) {
        std::printf("  vs baseline %.2f", r.cpuMs / baseline->cpuMs);
    }
    if (!r.ownCount.empty()) {
        std::printf("  [own count: %s]", r.ownCount.c_str());
    }
    std::printf("\n");
}

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](const char* name) -> const char* {
            const std::string prefix = std::string(name) + "=";
            return arg.rfind(prefix, 0) == 0 ? argv[i] + prefix.size() : nullptr;
        };
        const char* v = nullptr;
        if ((v = value("--display")) != nullptr) {
            options.display = v;
        } else if ((v = value("--baseline")) != nullptr) {
            options.baseline = v;
        } else if ((v = value("--subject")) != nullptr) {
            options.subject = v;
        } else if ((v = value("--peer")) != nullptr) {
            options.peer = v;
        } else if ((v = value("--clip")) != nullptr) {
            options.clip = v;
        } else if ((v = value("--screen")) != nullptr) {
            options.screen = v;
        } else if ((v = value("--rounds")) != nullptr) {
            options.rounds = std::max(1, std::atoi(v));
        }
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    Setup setup;
    setup.options = parse(argc, argv);
    Options& options = setup.options;
    for (const char* tool : {"Xvfb", "openbox", "dbus-daemon", "dbus-send"}) {
        if (!onPath(tool)) {
            std::printf("bench_video_playback: skipped, %s is not installed\n", tool);
            return 0;
        }
    }
    char scratchTemplate[] = "/tmp/velorine-video-bench-XXXXXX";
    if (mkdtemp(scratchTemplate) == nullptr) {
        return 1;
    }
    setup.scratch = scratchTemplate;
    if (options.clip.empty()) {
        if (!onPath("ffmpeg")) {
            std::printf("bench_video_playback: skipped, ffmpeg is not installed\n");
            return 0;
        }
        options.clip = setup.scratch + "/clip.mp4";
        const std::string make =
            "ffmpeg -hide_banner -loglevel error -y -f lavfi -i testsrc=size=1920x1080:rate=30:"
            "duration=10 -f lavfi -i sine=frequency=440:duration=10 -c:v libx264 -preset veryfast "
            "-pix_fmt yuv420p -c:a aac -shortest '" +
            options.clip + "'";
        if (run(make) != 0 || !exists(options.clip)) {
            std::printf("bench_video_playback: skipped, ffmpeg could not make the clip\n");
            return 0;
        }
    }
    // A screen where the 1080p picture fits at its own size, window edge and
    // the face above it included.
    setup.server =
        start({"Xvfb", options.display, "-screen", "0", options.screen + "x24", "-nolisten", "tcp"},
              {}, setup.scratch + "/xvfb.log");
    {
        DamageWatch probe(options.display);
        if (!probe.ready()) {
            std::printf("bench_video_playback: skipped, no X server with damage on %s\n",
                        options.display.c_str());
            stop(setup.server);
            return 0;
        }
    }
    const pid_t wm = start({"openbox"}, {{"DISPLAY", options.display}}, setup.scratch + "/wm.log");
    const pid_t busPid = start({"dbus-daemon", "--session", "--nofork", "--print-address=1",
                                "--address=unix:path=" + setup.scratch + "/bus"},
                               {}, setup.scratch + "/bus.log");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    setup.env = {{"DISPLAY", options.display},
                 {"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + setup.scratch + "/bus"},
                 {"VELORINE_AUDIO_SINK", "fakesink sync=true"},
                 {"VELORINE_VIDEO_STATS", "1"},
                 {"XDG_RUNTIME_DIR", setup.scratch}};

    struct Subject {
        std::string name;
        std::vector<std::string> argv;
        bool velorine;
    };
    std::vector<Subject> subjects;
    subjects.push_back({"velorine", {options.subject, options.clip}, true});
    if (!options.baseline.empty()) {
        subjects.push_back({"velorine-baseline", {options.baseline, options.clip}, true});
    }
    if (options.peer == "mpv" && onPath("mpv")) {
        // The peer draws through the same X server in shared memory, as XVideo
        // and a graphics card are missing here.
        subjects.push_back(
            {"mpv --vo=x11",
             {"mpv", "--no-config", "--really-quiet", "--ao=null", "--vo=x11", options.clip},
             false});
    }
    std::printf("1080p30 H.264, %d frames, %s, screen %s; CPU = share of one core over the clip\n",
                kFrames, options.clip.c_str(), options.screen.c_str());
    for (int round = 1; round <= options.rounds; ++round) {
        std::vector<Result> results;
        for (const Subject& subject : subjects) {
            results.push_back(measure(setup, subject.name, subject.argv, subject.velorine));
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
        }
        std::printf("round %d\n", round);
        const bool hasPeer = subjects.back().name.rfind("mpv", 0) == 0;
        const Result* peer = hasPeer ? &results.back() : nullptr;
        const Result* baseline = options.baseline.empty() ? nullptr : &results[1];
        for (const Result& result : results) {
            print(result, &result == peer ? nullptr : peer,
                  &result == &results[0] ? baseline : nullptr);
        }
    }
    stop(busPid);
    stop(wm);
    stop(setup.server);
    run("rm -rf '" + setup.scratch + "'");
    return 0;
}
