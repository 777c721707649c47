#include "fuzz/scratch_folder.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void giveUp(const QString& what) {
    std::fprintf(stderr, "fuzz harness: %s\n", what.toUtf8().constData());
    std::abort();
}

}  // namespace

ScratchFolder::ScratchFolder(const QString& label)
    : dir_(QDir::tempPath() + QStringLiteral("/velorine-fuzz-") + label +
           QStringLiteral("-XXXXXX")) {
    if (!dir_.isValid()) {
        giveUp(QStringLiteral("cannot create a scratch folder in ") + QDir::tempPath());
    }
}

QString ScratchFolder::write(const QString& name, const uint8_t* data, size_t size) const {
    const QString path = filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size)) {
        giveUp(QStringLiteral("cannot write ") + path);
    }
    return path;
}
