// Marlowisp: writes or removes the ID3v1 tags of many MP3 files at once. The
// dialog is the whole program; closing it ends the program.
#include <QApplication>
#include <QDir>

#include "batchtagger/marlowisp_dlg.h"
#include "translations/ui_language.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("marlowisp"));
    QApplication::setApplicationDisplayName(QStringLiteral("Marlowisp"));
    InstallUiTranslators(app, QLocale::system());
    CMarlowispDlg dialog;
    QApplication::setWindowIcon(dialog.windowIcon());
    // Files and folders named on the command line are listed as a drop lists them
    // (Qt has taken its own options out of argv).
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QByteArray(argv[i]));
    }
    dialog.addDroppedPaths(BatchFileList::pathsFromArguments(arguments, QDir::currentPath()));
    dialog.show();
    return QApplication::exec();
}
