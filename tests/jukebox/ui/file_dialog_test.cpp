// The save dialog as the user drives it: a name typed without a suffix gets the
// suffix of the filter chosen in the dialog, and a typed suffix always decides.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <ostream>

#include "jukebox/ui/qt_ui_service.h"
#include "tests/support/temp_dir.h"

// Readable failure output for texts.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

const QString kFilter =
    QStringLiteral("Tracklist [*.trk, *.alb] (*.trk *.alb);;M3U8 playlist (*.m3u8)");

// Chooses the filter at filterRow with the keyboard, types name and presses Return.
QString saveAs(const QString& folder, int filterRow, const QString& name) {
    QTimer::singleShot(0, [filterRow, name] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(types, nullptr);
        ASSERT_NE(edit, nullptr);
        for (int row = 0; row < filterRow; ++row) {
            QTest::keyClick(types, Qt::Key_Down);
        }
        ASSERT_EQ(types->currentIndex(), filterRow);
        edit->setFocus();
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
    });
    QtUiService ui;
    return ui.saveFileName(QStringLiteral("Save tracklist"), folder, kFilter,
                           QStringLiteral("trk"));
}

TEST(FileDialog, ATypedNameTakesTheSuffixOfTheChosenFilter) {
    TempDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    EXPECT_EQ(saveAs(folder, 0, QStringLiteral("mine")), folder + QStringLiteral("/mine.trk"));
    EXPECT_EQ(saveAs(folder, 1, QStringLiteral("mine")), folder + QStringLiteral("/mine.m3u8"));
    EXPECT_EQ(saveAs(folder, 1, QStringLiteral("mine.alb")), folder + QStringLiteral("/mine.alb"));
    EXPECT_EQ(saveAs(folder, 0, QStringLiteral("mine.m3u8")),
              folder + QStringLiteral("/mine.m3u8"));
}

}  // namespace
