// Shows Marlowisp with a few tagged files listed and one selected, and saves a
// picture of the window: marlowisp_screenshot out.png [about.png]. With a second
// name it also opens the About box and saves a picture of that. Run it under
// xvfb-run to look at the dialog as a user would see it.
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "batchtagger/marlowisp_dlg.h"
#include "taglib/tag_record.h"
#include "tests/support/temp_dir.h"

namespace {

void makeTaggedFile(const std::filesystem::path& path, const char16_t* title,
                    const char16_t* artist, uint16_t genre) {
    writeFileBytes(path, std::string(2000, '\0'));
    TagRecord record;
    record.accessMode = 2;
    record.open(path.u16string());
    record.title = title;
    record.artist = artist;
    record.album = u"Evening Songs";
    record.year = u"1998";
    record.comment = u"Live";
    record.genreIndex = genre;
    record.write();
    record.close();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    TempDir dir;
    std::filesystem::create_directories(dir / "Music" / "Evening Songs");
    const char16_t* titles[] = {u"Moonlight", u"Harbour Lights", u"The Long Road Home",
                                u"月亮代表我的心", u"Quiet Streets"};
    int n = 0;
    for (const char16_t* title : titles) {
        auto name = "0" + std::to_string(++n) + " track.mp3";
        makeTaggedFile(dir / "Music" / "Evening Songs" / name, title, u"Nadia Brook", 17);
    }
    CMarlowispDlg dialog;
    dialog.show();
    dialog.addDroppedPaths({QString::fromStdString((dir / "Music").string())});
    auto* list = dialog.findChild<QTableView*>(QStringLiteral("fileList"));
    list->selectRow(1);
    if (!QTest::qWaitForWindowExposed(&dialog)) {
        return 1;
    }
    // Past the status delay, so the status line shows its own text.
    QTest::qWait(CMarlowispDlg::kStatusDelayMs + 300);
    QPixmap shot = dialog.screen()->grabWindow(dialog.winId());
    if (!shot.save(QString::fromLocal8Bit(argv[1]))) {
        return 1;
    }
    if (argc < 3) {
        return 0;
    }
    dialog.findChild<QAction*>(QStringLiteral("aboutAction"))->trigger();
    auto* box = dialog.findChild<QMessageBox*>(QStringLiteral("aboutBox"));
    if (box == nullptr || !QTest::qWaitForWindowExposed(box)) {
        return 1;
    }
    QTest::qWait(300);
    return box->screen()->grabWindow(box->winId()).save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
