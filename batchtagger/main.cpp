// Marlowisp: writes or removes the ID3v1 tags of many MP3 files at once. The
// dialog is the whole program; closing it ends the program.
#include <QApplication>

#include "batchtagger/marlowisp_dlg.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("marlowisp"));
    QApplication::setApplicationDisplayName(QStringLiteral("Marlowisp"));
    CMarlowispDlg dialog;
    QApplication::setWindowIcon(dialog.windowIcon());
    dialog.show();
    return QApplication::exec();
}
