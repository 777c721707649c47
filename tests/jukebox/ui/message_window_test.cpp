// The Qt UI service's two kinds of messages: those that need no answer go to one
// window that never blocks and never takes the keyboard; modal boxes hold back
// what comes from outside, and a closing program ends them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "jukebox/ui/qt_ui_service.h"

namespace {

TEST(MessageWindowTest, ManyNoticesShareOneWindowThatShowsTheLatestAndCountsTheRest) {
    QWidget owner;
    owner.setGeometry(100, 100, 400, 150);
    owner.show();
    owner.activateWindow();
    QtUiService ui(&owner);
    for (int i = 1; i <= 10; ++i) {
        ui.notify(QStringLiteral("Cannot render the file\n/music/%1.mp3").arg(i));
    }
    CMessageWindow* window = ui.messageWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(owner.findChildren<CMessageWindow*>().size(), 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(window->text().endsWith(QStringLiteral("/music/10.mp3")));
    EXPECT_EQ(window->earlierCount(), 9);
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("earlierMessages"))->text(),
              QStringLiteral("9 earlier messages"));
    EXPECT_TRUE(window->testAttribute(Qt::WA_ShowWithoutActivating));
    // Beside the window it belongs to, never over it.
    EXPECT_FALSE(window->frameGeometry().intersects(owner.frameGeometry()));

    // Dismissed, the count starts again.
    window->hide();
    ui.notify(QStringLiteral("Another"));
    EXPECT_EQ(window->earlierCount(), 0);
    EXPECT_TRUE(window->findChild<QLabel*>(QStringLiteral("earlierMessages"))->isHidden());
}

TEST(MessageWindowTest, WhatComesDuringABoxWaitsForItAndAClosingProgramEndsTheBox) {
    QWidget owner;
    QtUiService ui(&owner);
    QStringList order;
    bool modalSeen = false;
    QTimer::singleShot(0, [&] {
        modalSeen = ui.modalOpen() && QApplication::activeModalWidget() != nullptr;
        ui.whenNoModal([&] { order << QStringLiteral("task"); });
        order << QStringLiteral("closing");
        ui.abandonModals();
    });
    ui.showMessage(QStringLiteral("Skin files not found"));
    order << QStringLiteral("box returned");
    EXPECT_TRUE(modalSeen);
    EXPECT_FALSE(ui.modalOpen());
    // The task runs from the main loop, after the caller of the box went on.
    EXPECT_EQ(order, QStringList({QStringLiteral("closing"), QStringLiteral("box returned")}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return order.size() == 3; }, 2000));
    EXPECT_EQ(order.last(), QStringLiteral("task"));

    // Closing: later boxes are not shown at all, questions answer Cancel.
    QElapsedTimer clock;
    clock.start();
    ui.showMessage(QStringLiteral("Tracklist not in UNICODE"));
    EXPECT_EQ(ui.askYesNoCancel(QStringLiteral("Save?")), UiService::Answer::Cancel);
    QString text = QStringLiteral("kept");
    EXPECT_FALSE(ui.prompt(QStringLiteral("Insert"), QStringLiteral("Path"), text));
    EXPECT_LT(clock.elapsed(), 1000);
    // With nothing open, a task runs at once.
    bool ran = false;
    ui.whenNoModal([&] { ran = true; });
    EXPECT_TRUE(ran);
}

}  // namespace
