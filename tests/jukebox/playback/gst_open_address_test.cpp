// Addresses open in the background on real GStreamer, served by a web server of
// the test's own on 127.0.0.1.
#include <gst/gst.h>
#include <gtest/gtest.h>

#include <QtCore/qtestsupport_core.h>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <cmath>
#include <functional>

#include "tests/jukebox/playback/gst_engine_rig.h"
#include "tests/jukebox/playback/test_media.h"

namespace {

constexpr int kWaitMs = 10000;

// Serves one body to every request (HTTP/1.0, byte ranges too), or, stalled, takes
// every connection and never answers.
class TestHttpServer {
public:
    explicit TestHttpServer(QByteArray body, bool stalled = false) : body_(std::move(body)) {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this, stalled] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                ++connections;
                if (!stalled) {
                    QObject::connect(socket, &QTcpSocket::readyRead, socket,
                                     [this, socket] { answer(socket); });
                }
            }
        });
    }

    QString address(const QString& name) const {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(server_.serverPort()).arg(name);
    }

    int connections = 0;

private:
    void answer(QTcpSocket* socket) {
        QByteArray& request = requests_[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n")) {
            return;
        }
        static const QRegularExpression range(QStringLiteral("Range: *bytes=(\\d+)-"),
                                              QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch match = range.match(QString::fromLatin1(request));
        const qsizetype from = match.hasMatch() ? match.captured(1).toLongLong() : 0;
        QByteArray head = from > 0 ? QByteArray("HTTP/1.0 206 Partial Content\r\n")
                                   : QByteArray("HTTP/1.0 200 OK\r\n");
        head += "Content-Type: audio/x-wav\r\nAccept-Ranges: bytes\r\n";
        head += "Content-Length: " + QByteArray::number(body_.size() - from) + "\r\n";
        if (from > 0) {
            head += "Content-Range: bytes " + QByteArray::number(from) + "-" +
                    QByteArray::number(body_.size() - 1) + "/" + QByteArray::number(body_.size()) +
                    "\r\n";
        }
        socket->write(head + "\r\n" + body_.mid(from));
        socket->disconnectFromHost();
        requests_.remove(socket);
    }

    QTcpServer server_;
    QByteArray body_;
    QHash<QTcpSocket*, QByteArray> requests_;
};

class GstOpenAddressTest : public testing::Test, protected GstEngineRig {
protected:
    static void SetUpTestSuite() { testMedia(); }

    void SetUp() override {
        // Plugins load with the first graph, not within the time measured.
        ASSERT_TRUE(engine.OpenMedia(media.wav));
        engine.ReleaseGraph();
        window.calls.clear();
    }

    bool finished() const {
        return window.calls.contains(QStringLiteral("openFinished(opened)")) ||
               window.calls.contains(QStringLiteral("openFinished(failed)"));
    }

    const TestMedia& media = testMedia();
};

TEST_F(GstOpenAddressTest, AServerThatNeverAnswersHoldsNothingUp) {
    TestHttpServer stalled(QByteArray(), true);
    const QString address = stalled.address(QStringLiteral("song.mp3"));
    const std::function<void()> ends[] = {[&] { engine.CancelOpen(); },
                                          [&] { engine.ReleaseGraph(); }};
    for (const auto& end : ends) {
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(engine.BeginOpen(address), OpenResult::Pending);
        EXPECT_LT(clock.elapsed(), 100);
        EXPECT_TRUE(engine.opening());
        ASSERT_TRUE(QTest::qWaitFor([&] { return stalled.connections > 0; }, kWaitMs));
        clock.restart();
        end();
        EXPECT_LT(clock.elapsed(), 100);
        EXPECT_FALSE(engine.opening());
        EXPECT_FALSE(QTest::qWaitFor([&] { return finished(); }, 300));
        stalled.connections = 0;
    }
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();

    // Out of time: the window hears it, and one notice names the address.
    graph.setBackgroundCueTimeoutMs(300);
    EXPECT_FALSE(engine.OpenMedia(address));
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished(); }, kWaitMs));
    EXPECT_EQ(window.calls.last(), QStringLiteral("openFinished(failed)"));
    EXPECT_EQ(ui.messages,
              QStringList(
                  QStringLiteral("Operation Failed, HRESULT 80004004\nThe graph did not get ready "
                                 "in time\nCannot render the file\n") +
                  address));
    EXPECT_FALSE(engine.opening());
    EXPECT_TRUE(engine.HasGraph());
    ui.messages.clear();
    engine.Run();
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_TRUE(engine.OpenMedia(media.wav));
}

TEST_F(GstOpenAddressTest, AServedFileOpensCuedAndPlays) {
    QFile wav(media.wav);
    ASSERT_TRUE(wav.open(QIODevice::ReadOnly));
    TestHttpServer server(wav.readAll());
    engine.SetVolume(50);
    ASSERT_EQ(engine.BeginOpen(server.address(QStringLiteral("tone.wav"))), OpenResult::Pending);
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished(); }, kWaitMs));
    EXPECT_EQ(window.calls,
              QStringList({QStringLiteral("hideWithFade"), QStringLiteral("refreshFilters"),
                           QStringLiteral("openFinished(opened)")}));
    EXPECT_NEAR(engine.GetDurationMs(), media.wavMs, media.wavMs / 100);
    EXPECT_EQ(engine.engineState(), MediaEngine::Paused);
    gdouble volume = -1;
    g_object_get(graph.pipeline(), "volume", &volume, nullptr);
    EXPECT_NEAR(volume, std::pow(10.0, -1250 / 2000.0), 1e-6);
    engine.Run();
    EXPECT_TRUE(QTest::qWaitFor([&] { return engine.GetPositionMs() > 100; }, kWaitMs));
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
}

}  // namespace
