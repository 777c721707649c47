#include "tests/jukebox/playback/process_use.h"

#include <QByteArray>
#include <QFile>
#include <filesystem>

namespace {

int countEntries(const char* folder) {
    std::error_code error;
    int count = 0;
    for (auto it = std::filesystem::directory_iterator(folder, error);
         !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        ++count;
    }
    return count;
}

}  // namespace

ProcessUse processUse() {
    ProcessUse use;
    use.threads = countEntries("/proc/self/task");
    use.fds = countEntries("/proc/self/fd");
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:")) {
                use.rssKb = line.mid(6).trimmed().split(' ').value(0).toLong();
            }
        }
    }
    return use;
}
