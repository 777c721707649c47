// The real cover window on the offscreen platform, over picture files the tests
// write: which file it shows, where the picture lands, the status texts, and
// the mouse, keys and closing as the user gives them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>

#include "jukebox/common/path_functions.h"
#include "jukebox/cover_window/cover_wnd.h"
#include "tests/jukebox/cover/image_fixtures.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr QRgb kBlack = 0xFF000000;

QImage flat(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

bool near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 8 && std::abs(qGreen(a) - qGreen(b)) <= 8 &&
           std::abs(qBlue(a) - qBlue(b)) <= 8;
}

class CoverWindowTest : public testing::Test {
protected:
    CoverWindowTest() {
        wnd.Park(QPoint(30, 40), QSize(100, 100));
        wnd.SetCoverVisible(true);
        wnd.FinishFade();
    }

    // A track in folder, whose cover files the test has written.
    QString track(const char* folder) {
        std::filesystem::create_directories(dir / folder);
        return PathFromLocalBytes(QByteArray::fromStdString((dir / folder / "a.mp3").string()));
    }
    void write(const char* file, const std::string& bytes) {
        std::filesystem::create_directories((dir / file).parent_path());
        writeFileBytes(dir / file, bytes);
    }
    QImage shot() { return wnd.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QRgb centre() { return shot().pixel(wnd.width() / 2, wnd.height() / 2); }

    void mouse(QEvent::Type type, QPoint global, Qt::MouseButtons held) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(global - wnd.pos()), QPointF(global), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(&wnd, &event);
    }
    void drag(QPoint from, QPoint to) {
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        mouse(QEvent::MouseMove, to, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
    }

    TempDir dir;
    CCoverWnd wnd;
};

// cover.bmp before cover.jpg; "Cover.JPG" found; a damaged cover.bmp gives way
// to cover.jpg, which is read again once it changed; a folder without a cover
// leaves the window empty.
TEST_F(CoverWindowTest, FirstDecodableCoverInOrderWithoutRegardToCase) {
    write("both/cover.bmp", makeBmp(flat(40, 40, qRgb(255, 0, 0))));
    write("both/cover.jpg", makeJpeg(flat(40, 40, qRgb(0, 0, 255))));
    wnd.LoadCover(track("both"));
    EXPECT_TRUE(near(centre(), qRgb(255, 0, 0)));
    EXPECT_TRUE(wnd.picturePath().endsWith(QStringLiteral("/both/cover.bmp")));

    write("cased/Cover.JPG", makeJpeg(flat(40, 40, qRgb(0, 0, 255))));
    wnd.LoadCover(track("cased"));
    EXPECT_TRUE(near(centre(), qRgb(0, 0, 255)));

    write("damaged/cover.bmp", std::string("BM") + std::string(60, '\x7F'));
    write("damaged/cover.jpg", makeJpeg(flat(40, 40, qRgb(0, 160, 0))));
    wnd.LoadCover(track("damaged"));
    EXPECT_TRUE(near(centre(), qRgb(0, 160, 0)));
    EXPECT_TRUE(wnd.picturePath().endsWith(QStringLiteral("/damaged/cover.jpg")));
    write("damaged/cover.jpg", makeJpeg(flat(40, 20, qRgb(255, 255, 0)), false, 80));
    wnd.LoadCover(track("damaged"));
    EXPECT_TRUE(near(centre(), qRgb(255, 255, 0)));

    wnd.LoadCover(track("none"));
    EXPECT_FALSE(wnd.hasPicture());
    EXPECT_EQ(centre(), kBlack);
}

// Drawn pixels of a 400 x 200 and a 200 x 400 picture in a 100 x 100 window:
// 100 x 50 at (0, 25) and 50 x 100 at (25, 0), black around.
TEST_F(CoverWindowTest, PictureFittedAndCentredInTheWindow) {
    const QRgb colour = qRgb(200, 100, 50);
    ASSERT_EQ(wnd.size(), QSize(100, 100));
    write("wide/cover.png", makePng(flat(400, 200, colour), 2, 8));
    write("tall/cover.png", makePng(flat(200, 400, colour), 2, 8));
    wnd.LoadCover(track("wide"));
    QImage image = shot();
    for (int y : {0, 24, 75, 99}) {
        EXPECT_EQ(image.pixel(50, y), kBlack) << y;
    }
    for (int y : {25, 74}) {
        EXPECT_EQ(image.pixel(0, y), colour) << y;
        EXPECT_EQ(image.pixel(99, y), colour) << y;
    }
    wnd.LoadCover(track("tall"));
    image = shot();
    for (int x : {0, 24, 75, 99}) {
        EXPECT_EQ(image.pixel(x, 50), kBlack) << x;
    }
    for (int x : {25, 74}) {
        EXPECT_EQ(image.pixel(x, 0), colour) << x;
        EXPECT_EQ(image.pixel(x, 99), colour) << x;
    }
}

// The pixels a text changed in a 200 x 200 window filled by the picture.
QRect textBounds(const QImage& image, QRgb background, int* pureGreen) {
    QRect bounds;
    *pureGreen = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                bounds |= QRect(x, y, 1, 1);
                *pureGreen += image.pixel(x, y) == qRgb(0, 255, 0) ? 1 : 0;
            }
        }
    }
    return bounds;
}

// A text in pure green from (10, 10), clipped to (10, 10)-(181, 28); a second
// one within the delay replaces it and starts the delay again; the picture is
// whole again after it. A text while the window is hidden is dropped.
TEST_F(CoverWindowTest, StatusTextReplacedWithinTheDelayAndGoneAfterIt) {
    const QRgb colour = qRgb(200, 100, 50);
    write("text/cover.png", makePng(flat(50, 50, colour), 2, 8));
    wnd.Park(QPoint(30, 40), QSize(200, 200));
    wnd.SetCoverVisible(true);
    wnd.FinishFade();
    wnd.LoadCover(track("text"));
    wnd.setPopupDelayMs(600);
    int green = 0;

    wnd.ShowCoverText(QStringLiteral("WWWWWWWWWWWWWWWWWWWW"));
    QRect bounds = textBounds(shot(), colour, &green);
    EXPECT_GT(green, 20);
    EXPECT_TRUE(QRect(10, 10, 171, 18).contains(bounds)) << bounds.x() << "," << bounds.y();
    EXPECT_LE(bounds.left(), 13);
    EXPECT_EQ(bounds.right(), 180);  // clipped

    const QTimer& timer = wnd.statusText().timer();
    ASSERT_TRUE(QTest::qWaitFor([&] { return timer.remainingTime() < 400; }));
    wnd.ShowCoverText(QStringLiteral("I"));
    EXPECT_GT(timer.remainingTime(), 500);
    bounds = textBounds(shot(), colour, &green);
    EXPECT_GT(green, 0);
    EXPECT_LT(bounds.right(), 30);  // the long text is gone

    ASSERT_TRUE(QTest::qWaitFor([&] { return !wnd.statusText().shown(); }));
    EXPECT_TRUE(textBounds(shot(), colour, &green).isNull());

    wnd.SetCoverVisible(false);
    wnd.FinishFade();
    wnd.ShowCoverText(QStringLiteral("Mode: Play"));
    EXPECT_FALSE(wnd.statusText().shown());
    wnd.SetCoverVisible(true);
    wnd.FinishFade();
    EXPECT_TRUE(textBounds(shot(), colour, &green).isNull());
}

class KeyRecorder : public QWidget {
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { keys.append(event->key()); }
};

// Resizing by the right edge keeps the window square on the grid and no
// smaller than 75; dragging inside moves it; the rectangle to remember follows.
// A double-click asks the main window to minimize; keys go to the main window
// but Alt+F4, and the window closes only when the program ends.
TEST_F(CoverWindowTest, MouseResizesAndMovesKeysGoOnAndCloseIsRefused) {
    wnd.Park(QPoint(30, 40), QSize(120, 120));
    EXPECT_EQ(wnd.SaveRect(), QRect(30, 40, 120, 120));
    wnd.SetCoverVisible(true);
    wnd.FinishFade();

    mouse(QEvent::MouseButtonPress, QPoint(148, 100), Qt::LeftButton);
    mouse(QEvent::MouseMove, QPoint(157, 100), Qt::LeftButton);  // right edge to 159, near 165
    EXPECT_EQ(wnd.geometry(), QRect(30, 40, 135, 135));
    mouse(QEvent::MouseMove, QPoint(78, 100), Qt::LeftButton);
    EXPECT_EQ(wnd.geometry(), QRect(30, 40, 75, 75));
    mouse(QEvent::MouseButtonRelease, QPoint(78, 100), Qt::NoButton);

    drag(QPoint(67, 77), QPoint(92, 87));
    EXPECT_EQ(wnd.SaveRect(), QRect(55, 50, 75, 75));
    EXPECT_FALSE(wnd.dragging());

    QList<int> commands;
    wnd.setCommandTarget([&](int id) { commands.append(id); });
    mouse(QEvent::MouseButtonDblClick, QPoint(90, 90), Qt::LeftButton);
    EXPECT_EQ(commands, QList<int>{CCoverWnd::kMinimizeCommand});

    KeyRecorder main;
    wnd.setKeyTarget(&main);
    QTest::keyClick(&wnd, Qt::Key_P);
    QTest::keyClick(&wnd, Qt::Key_F4, Qt::AltModifier);
    QTest::keyClick(&wnd, Qt::Key_C);
    ASSERT_TRUE(QTest::qWaitFor([&] { return main.keys.contains(Qt::Key_C); }));
    EXPECT_EQ(main.keys.first(), Qt::Key_P);
    EXPECT_FALSE(main.keys.contains(Qt::Key_F4));

    EXPECT_FALSE(wnd.close());
    EXPECT_TRUE(wnd.isVisible());
    wnd.allowClose();
    EXPECT_TRUE(wnd.close());
}

}  // namespace
