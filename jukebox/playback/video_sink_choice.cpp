#include "jukebox/playback/video_sink_choice.h"

#include <cmath>

namespace VideoSinkChoice {

namespace {

// glimagesink is not tried by itself: without a graphics card it renders in
// software and costs far more than the X shared-memory path.
const QStringList kWindowSinks{QStringLiteral("xvimagesink"), QStringLiteral("ximagesink")};
const QStringList kKnown{QStringLiteral("xvimagesink"), QStringLiteral("ximagesink"),
                         QStringLiteral("glimagesink")};

}  // namespace

QStringList Candidates(const QString& wanted, bool nativeWindow) {
    const QString name = wanted.trimmed().toLower();
    if (!nativeWindow || name == kAppSink) {
        return {kAppSink};
    }
    if (kKnown.contains(name)) {
        return {name, kAppSink};
    }
    QStringList candidates = kWindowSinks;
    candidates.append(kAppSink);
    return candidates;
}

bool DrawsIntoWindow(const QString& sink) {
    return kKnown.contains(sink);
}

bool ScalesItself(const QString& sink) {
    return sink == QLatin1String("xvimagesink") || sink == QLatin1String("glimagesink");
}

QSize PictureSizeIn(QSize video, int parN, int parD, QSize area) {
    if (video.isEmpty() || area.isEmpty()) {
        return QSize();
    }
    if (parN <= 0 || parD <= 0) {
        parN = parD = 1;
    }
    // The shape the picture is seen in; wide pixels widen it.
    const double width = static_cast<double>(video.width()) * parN / parD;
    const double height = video.height();
    const double scale = std::min(area.width() / width, area.height() / height);
    const QSize fitted(static_cast<int>(std::lround(width * scale)),
                       static_cast<int>(std::lround(height * scale)));
    return fitted.boundedTo(area).isEmpty() ? QSize() : fitted.boundedTo(area);
}

}  // namespace VideoSinkChoice
