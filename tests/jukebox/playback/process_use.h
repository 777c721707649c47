#pragma once

// What this process holds right now, from /proc/self.
struct ProcessUse {
    int threads = 0;
    int fds = 0;
    long rssKb = 0;
};

ProcessUse processUse();
