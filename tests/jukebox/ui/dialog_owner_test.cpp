// A dialog asked for from a window beside the main one (the tracklist's Insert
// prompt, the messages of its Open/New) belongs to that window: it shows over
// it, and when it closes the keyboard is back in that window, not in the main
// window brought up over it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "jukebox/ui/qt_ui_service.h"

namespace {

class DialogOwnerTest : public testing::Test {
protected:
    DialogOwnerTest() : side(&main, Qt::Window) {
        main.setWindowTitle(QStringLiteral("main"));
        side.setWindowTitle(QStringLiteral("side"));
        main.setGeometry(10, 10, 300, 100);
        side.setGeometry(10, 200, 300, 300);
        main.show();
        side.show();
        ui.setParent(&main);
    }

    // Makes window the active one, as a click in it does.
    static void activate(QWidget& window) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Runs act on the modal dialog once it shows, noting the window it belongs to.
    void whenDialogShows(const std::function<void(QDialog&)>& act) {
        QTimer::singleShot(0, [this, act] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
            owner = dialog->parentWidget();
            act(*dialog);
        });
    }

    QWidget main;
    QWidget side;
    QtUiService ui;
    QWidget* owner = nullptr;
};

TEST_F(DialogOwnerTest, APromptOrMessageFromTheSideWindowGivesTheKeyboardBackToIt) {
    activate(side);
    whenDialogShows([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    QString text;
    EXPECT_FALSE(
        ui.prompt(QStringLiteral("Add entry"), QStringLiteral("Please type in a filename"), text));
    EXPECT_EQ(owner, &side);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &side; }));

    whenDialogShows([](QDialog& dialog) { dialog.accept(); });
    ui.showMessage(QStringLiteral("Tracklist not in UNICODE"));
    EXPECT_EQ(owner, &side);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &side; }));

    whenDialogShows([](QDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(ui.askYesNoCancel(QStringLiteral("Save the changes?")), UiService::Answer::Cancel);
    EXPECT_EQ(owner, &side);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &side; }));
}

TEST_F(DialogOwnerTest, FromTheMainWindowOrANestedDialogTheyBelongThere) {
    activate(main);
    whenDialogShows([](QDialog& dialog) { dialog.accept(); });
    ui.showMessage(QStringLiteral("Skin files not found"));
    EXPECT_EQ(owner, &main);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &main; }));

    // A message asked for while a modal dialog is open shows over that dialog.
    QDialog sheet(&main);
    QWidget* nestedOwner = nullptr;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
        whenDialogShows([&](QDialog& box) {
            nestedOwner = owner;
            box.accept();
        });
        ui.showMessage(QStringLiteral("Cannot open audio.flt"));
        sheet.reject();
    });
    sheet.exec();
    EXPECT_EQ(nestedOwner, &sheet);
}

}  // namespace
