// Skinned buttons driven with real mouse events on a shown window: the band
// each state draws, and the commands of clicks, held buttons and double clicks.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEnterEvent>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <vector>

#include "jukebox/shell/skin_button.h"
#include "jukebox/skin/skin_description.h"
#include "tests/jukebox/shell/control_images.h"

namespace {

const QSize kFace(80, 40);
const QRect kButton(20, 10, 16, 12);

// Each band of the panel in a dark colour, with the button's rectangle in that
// band's test colour: a button that cut the wrong place or band shows.
QImage panel() {
    QImage image(kFace.width(), kFace.height() * 6, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int band = 0; band < 6; ++band) {
        const int top = band * kFace.height();
        painter.fillRect(QRect(QPoint(0, top), kFace), QColor(0, 0, band * 20));
        painter.fillRect(kButton.translated(0, top), QColor(TestColour(band)));
    }
    return image;
}

SkinEntry buttonEntry() {
    SkinEntry entry;
    entry.show = SkinVisible;
    entry.x = kButton.x();
    entry.y = kButton.y();
    entry.w = kButton.width();
    entry.h = kButton.height();
    entry.size = kButton.size();
    entry.rect = kButton;
    return entry;
}

class SkinButtonTest : public testing::Test {
protected:
    void SetUp() override {
        face.resize(kFace);
        button = new CSkinButton(1021, true, &face);
        button->setup(buttonEntry(), panel(), kFace.height());
        QObject::connect(button, &CSkinButton::command, [this](int id) {
            EXPECT_EQ(id, 1021);
            commandsAt.push_back(clock.elapsed());
        });
        face.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&face));
        clock.start();
    }
    QWindow* window() { return face.windowHandle(); }
    QRgb shown() { return GrabbedPixel(*button, QPoint(8, 6)); }

    QWidget face;
    CSkinButton* button = nullptr;
    QElapsedTimer clock;
    std::vector<qint64> commandsAt;
    const QPoint centre = kButton.center();
    const QPoint outside{70, 35};
};

TEST_F(SkinButtonTest, DrawsTheBandOfItsState) {
    EXPECT_EQ(button->geometry(), kButton);
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
    button->setAppActive(false);
    EXPECT_EQ(shown(), TestColour(0));
    button->setAppActive(true);
    EXPECT_EQ(shown(), TestColour(1));
    button->setOn(true);
    EXPECT_EQ(shown(), TestColour(2));
    QTest::mouseMove(&face, centre);  // moves the cursor itself
    EXPECT_TRUE(button->hover());
    EXPECT_EQ(shown(), TestColour(3));
    QTest::mousePress(window(), Qt::LeftButton, {}, centre);
    EXPECT_TRUE(button->isDown());
    EXPECT_EQ(shown(), TestColour(4));
    QTest::mouseRelease(window(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(shown(), TestColour(3));
    button->clearHoverUnlessUnderCursor();
    EXPECT_TRUE(button->hover());
    QTest::mouseMove(&face, outside);
    EXPECT_FALSE(button->hover());
    EXPECT_EQ(shown(), TestColour(2));
    EXPECT_EQ(commandsAt.size(), 1u);
    // A hover look left behind (the button moved away from the cursor) goes.
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(button, &enter);
    EXPECT_TRUE(button->hover());
    button->clearHoverUnlessUnderCursor();
    EXPECT_FALSE(button->hover());

    SkinEntry hidden = buttonEntry();
    hidden.show = SkinHidden;
    button->setup(hidden, panel(), kFace.height());
    EXPECT_FALSE(button->isVisible());
}

// A view that leaves a button undescribed gives it no rectangle; an empty
// rectangle must not be taken as "all of it", or every view switch copies the
// whole face bitmap five times over per such button.
TEST(SkinButtonSetupTest, AnUndescribedButtonCutsNothingFromThePanel) {
    QWidget face;
    CSkinButton button(1001, false, &face);
    QImage big(1200, 6 * 600, QImage::Format_RGB32);
    big.fill(Qt::gray);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 120; ++i) {
        button.setup(SkinEntry{}, big, 600);
    }
    EXPECT_LT(clock.elapsed(), 250);
    EXPECT_FALSE(button.isVisibleTo(&face));
}

// Real timers on a machine that may be busy: only lower bounds on the times
// are exact; waits are generous.
TEST_F(SkinButtonTest, HeldButtonRepeatsFrom600MsAndNotAtRelease) {
    QTest::mousePress(window(), Qt::LeftButton, {}, centre);
    EXPECT_TRUE(commandsAt.empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return commandsAt.size() >= 3; }, 10000));
    QTest::mouseRelease(window(), Qt::LeftButton, {}, centre);
    const size_t held = commandsAt.size();
    QTest::qWait(300);
    EXPECT_EQ(commandsAt.size(), held);
    for (size_t k = 0; k < commandsAt.size(); ++k) {
        EXPECT_GE(commandsAt[k] + 1, qint64(600 + 100 * k)) << "command " << k;
    }
}

TEST_F(SkinButtonTest, DoubleClickGivesTwoCommandsAndNoRepeat) {
    QTest::mouseDClick(window(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(commandsAt.size(), 2u);
    QTest::qWait(800);
    EXPECT_EQ(commandsAt.size(), 2u);
}

TEST_F(SkinButtonTest, LeavingWhileHeldCancelsTheClick) {
    QTest::mouseMove(window(), centre);
    QTest::mousePress(window(), Qt::LeftButton, {}, centre);
    QTest::mouseMove(window(), outside);
    EXPECT_FALSE(button->isDown());
    EXPECT_FALSE(button->hover());
    QTest::mouseRelease(window(), Qt::LeftButton, {}, outside);
    QTest::qWait(800);
    EXPECT_TRUE(commandsAt.empty());
}

}  // namespace
