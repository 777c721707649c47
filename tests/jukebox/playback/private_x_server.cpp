#include "tests/jukebox/playback/private_x_server.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace {

bool exists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

Display* x(void* display) {
    return static_cast<Display*>(display);
}

}  // namespace

PrivateXServer::PrivateXServer() {
    for (int number = 150; number < 170 && display_ == nullptr; ++number) {
        if (exists("/tmp/.X11-unix/X" + std::to_string(number)) ||
            exists("/tmp/.X" + std::to_string(number) + "-lock")) {
            continue;
        }
        start(":" + std::to_string(number));
    }
}

PrivateXServer::~PrivateXServer() {
    if (display_ != nullptr) {
        XCloseDisplay(x(display_));
    }
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

void PrivateXServer::start(const std::string& name) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (std::freopen("/dev/null", "w", stdout) == nullptr ||
            std::freopen("/dev/null", "w", stderr) == nullptr) {
            _exit(127);
        }
        execlp("Xvfb", "Xvfb", name.c_str(), "-screen", "0", "800x600x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid < 0) {
        return;
    }
    Display* display = nullptr;
    for (int i = 0; i < 100 && display == nullptr; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return;  // not installed, or the display was taken after all
        }
        display = XOpenDisplay(name.c_str());
        if (display == nullptr) {
            usleep(50000);
        }
    }
    if (display == nullptr) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        return;
    }
    display_ = display;
    pid_ = pid;
    name_ = name;
}

unsigned long PrivateXServer::makeWindow(int width, int height) {
    Display* display = x(display_);
    const Window window =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, width, height, 0,
                            WhitePixel(display, 0), WhitePixel(display, 0));
    XMapWindow(display, window);
    XSync(display, False);
    return window;
}

void PrivateXServer::resize(unsigned long window, int width, int height) {
    XResizeWindow(x(display_), window, width, height);
    XSync(x(display_), False);
}

unsigned long PrivateXServer::pixel(unsigned long window, int px, int py) {
    XSync(x(display_), False);
    XImage* image = XGetImage(x(display_), window, px, py, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return 0xffffffff;
    }
    const unsigned long value = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return value;
}
