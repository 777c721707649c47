#pragma once

#include <string>

// An Xvfb of its own on a display nobody uses, for tests of sinks that draw into
// native windows; not ready where Xvfb is missing. Xlib stays inside the source:
// its macros clash with Qt's and GoogleTest's names.
class PrivateXServer {
public:
    PrivateXServer();
    ~PrivateXServer();
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    bool ready() const { return display_ != nullptr; }
    const std::string& name() const { return name_; }

    // A mapped window (white), its id.
    unsigned long makeWindow(int width, int height);
    void resize(unsigned long window, int width, int height);
    // 0xRRGGBB of the window's pixel.
    unsigned long pixel(unsigned long window, int x, int y);

private:
    void start(const std::string& name);

    void* display_ = nullptr;
    int pid_ = 0;
    std::string name_;
};
