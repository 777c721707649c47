// Writes the programs' icons as PNG files in the layout of the desktop's icon
// theme: <folder>/<n>x<n>/apps/<program>.png. The icons are drawn by the
// programs themselves, so the files and the windows always agree.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

#include "batchtagger/program_icon.h"
#include "jukebox/shell/velorine_icon.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: icon_painter <folder>\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        if (!QDir().mkpath(folder) ||
            !VelorineIconPixmap(size).save(folder + QStringLiteral("/velorine.png")) ||
            !MarlowispIconPixmap(size).save(folder + QStringLiteral("/marlowisp.png"))) {
            std::fprintf(stderr, "icon_painter: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
