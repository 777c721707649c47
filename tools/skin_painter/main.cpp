// Paints the skins the jukebox ships with and lays them into a skins folder:
// "XP Aqua" as a folder, "Ember" as a packed archive. The same sources always
// give the same files.
//   skin_painter <skins folder> [--preview <folder>]
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include <zip.h>

#include "tools/skin_painter/skin_design.h"

namespace {

bool writeFolder(const QString& folder, const std::map<QString, QByteArray>& files) {
    QDir().mkpath(folder);
    for (const auto& [name, bytes] : files) {
        QFile file(folder + u'/' + name);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size()) {
            return false;
        }
    }
    return true;
}

bool writeArchive(const QString& path, const std::map<QString, QByteArray>& files) {
    QFile::remove(path);
    int error = 0;
    zip_t* archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr) {
        return false;
    }
    for (const auto& [name, bytes] : files) {
        zip_source_t* source =
            zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        zip_int64_t index =
            zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
        // A fixed time keeps the archive the same from build to build.
        zip_file_set_mtime(archive, zip_uint64_t(index), 1262304000, 0);
        zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_DEFLATE, 9);
    }
    return zip_close(archive) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Painting needs no screen.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: skin_painter <skins folder> [--preview <folder>]\n");
        return 2;
    }
    const QString skins = args[1];
    QString preview;
    if (args.size() >= 4 && args[2] == QStringLiteral("--preview")) {
        preview = args[3];
    }
    QDir().mkpath(skins);
    for (const SkinDesign& design : {MakeXpAqua(), MakeEmber()}) {
        std::map<QString, QByteArray> files;
        QString error;
        if (!RenderSkin(design, files, error)) {
            std::fprintf(stderr, "skin_painter: %s\n", qPrintable(error));
            return 1;
        }
        const QString target = skins + u'/' + design.folder;
        bool written = design.packed ? writeArchive(target, files) : writeFolder(target, files);
        if (!written) {
            std::fprintf(stderr, "skin_painter: cannot write %s\n", qPrintable(target));
            return 1;
        }
        if (!preview.isEmpty()) {
            QDir().mkpath(preview);
            const QString base =
                preview + u'/' + QString(design.folder).remove(QStringLiteral(".vlz"));
            RenderPanel(*design.look, design.main).save(base + QStringLiteral("-main-panel.png"));
            if (design.alternate) {
                RenderPanel(*design.look, *design.alternate)
                    .save(base + QStringLiteral("-alt-panel.png"));
            }
        }
    }
    return 0;
}
