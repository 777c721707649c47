#include "jukebox/skin/skin_loader.h"

#include <QCoreApplication>

#include "jukebox/common/path_functions.h"
#include "jukebox/cover/bmp_reader.h"
#include "jukebox/cover/regular_file.h"
#include "jukebox/skin/skin_files.h"
#include "jukebox/skin/skin_packages.h"
#include "jukebox/skin/skin_shape.h"
#include "jukebox/skin/spec_parser.h"
#include "jukebox/ui/ui_service.h"

namespace {

struct SliderFiles {
    SkinKeyword keyword;
    const char* slider;
    const char* thumb;
};

constexpr SliderFiles kSliderFiles[] = {
    {SkinBalance, "bslider.bmp", "bthumb.bmp"},
    {SkinVolume, "vslider.bmp", "vthumb.bmp"},
    {SkinPosition, "pslider.bmp", "pthumb.bmp"},
};

bool visible(const SkinView& view, SkinKeyword keyword) {
    return view.entry(keyword).show == SkinVisible;
}

// A strip of count equal bands stacked vertically: its width and one band's height.
QSize bandSize(const QImage& image, int count) {
    return count > 0 ? QSize(image.width(), image.height() / count) : QSize(image.width(), 0);
}

}  // namespace

bool SkinLoader::loadBitmap(const QString& folder, const QString& name, QImage& slot) {
    const QString path = SkinFilePath(folder, name);
    QImage image = BmpReader::load(path);
    if (image.isNull()) {
        // A damaged file says no more than a missing one: either way the skin
        // lacks it, and the slot keeps its earlier bitmap.
        ui_.showMessage(path + QCoreApplication::translate("SkinLoader", " not found!"));
        return false;
    }
    slot = std::move(image);
    return true;
}

void SkinLoader::loadView(const QString& folder, const QString& prefix, SkinView& view) {
    auto file = [&](const char* name) { return prefix + QLatin1StringView(name); };

    if (loadBitmap(folder, file("panel.bmp"), view.panel)) {
        view.face = bandSize(view.panel, 6);
    }
    view.shape = BuildSkinShape(view.panel, view.face.height());

    for (const SliderFiles& files : kSliderFiles) {
        if (!visible(view, files.keyword)) {
            continue;
        }
        SkinSliderBitmaps& bitmaps = view.sliderBitmaps(files.keyword);
        bool thumb = loadBitmap(folder, file(files.thumb), bitmaps.thumb);
        bool slider = loadBitmap(folder, file(files.slider), bitmaps.slider);
        if (thumb && slider) {
            view.entry(files.keyword).size = bandSize(bitmaps.slider, 2);
            bitmaps.thumbSize = bandSize(bitmaps.thumb, 4);
        }
    }

    if (visible(view, SkinTime)) {
        // Both are loaded, so that each missing one is reported.
        bool time = loadBitmap(folder, file("time.bmp"), view.time);
        bool sep = loadBitmap(folder, file("sep.bmp"), view.sep);
        if (time && sep) {
            view.digitWidth = view.time.width() / 11;
            view.digitHeight = view.time.height();
            view.sepWidth = view.sep.width() / 2;
            view.entry(SkinTime).size =
                QSize(4 * view.digitWidth + view.sepWidth, view.digitHeight);
        }
    }

    const std::pair<SkinKeyword, QImage SkinView::*> lamps[] = {
        {SkinTag, &SkinView::tag}, {SkinPm, &SkinView::pm}, {SkinAv, &SkinView::av}};
    for (const auto& [keyword, member] : lamps) {
        QString name = file(keyword == SkinTag  ? "tag.bmp"
                            : keyword == SkinPm ? "pm.bmp"
                                                : "av.bmp");
        if (visible(view, keyword) && loadBitmap(folder, name, view.*member)) {
            view.entry(keyword).size = bandSize(view.*member, 3);
        }
    }

    // A strip said to hold no frames has no frame size rather than a division by zero.
    if (visible(view, SkinAnim) && loadBitmap(folder, file("anim.bmp"), view.anim)) {
        view.entry(SkinAnim).size = bandSize(view.anim, view.entry(SkinAnim).frames);
    }

    SkinEntry& track = view.entry(SkinTrack);
    if (track.show == SkinVisible && track.fontMode == SkinGlyphs &&
        loadBitmap(folder, file("alpha.bmp"), view.alpha)) {
        view.glyphCell = QSize(view.alpha.width() / 32, view.alpha.height() / 3);
    }

    for (int i = 0; i < SkinKeywordCount; ++i) {
        auto keyword = static_cast<SkinKeyword>(i);
        SkinEntry& entry = view.entry(keyword);
        if (entry.show != SkinVisible) {
            continue;
        }
        SkinLineKind kind = SkinKeywordKind(keyword);
        if (kind == SkinLineKind::Button || kind == SkinLineKind::Track) {
            entry.size = QSize(entry.w, entry.h);
        }
        entry.rect = QRect(entry.x, entry.y, entry.size.width(), entry.size.height());
    }
}

bool SkinLoader::LoadSkin(const QString& path, SkinDescription& skin) {
    const QString folder = packages_.PrepareSkinFolder(path);
    QByteArray text;
    if (folder.isEmpty() || !ReadRegularFile(SkinFilePath(folder, QStringLiteral("spec.txt")),
                                             SpecParser::kMaxFileSize, text)) {
        ui_.showMessage(QCoreApplication::translate("SkinLoader", "Skin files not found"));
        packages_.ReleaseSkinFolder(path);
        return false;
    }
    // A glyph-mode track line states no colours; they must not be the last skin's.
    for (SkinView* view : {&skin.main, &skin.alternate}) {
        view->entry(SkinTrack).bg = qRgb(0, 0, 0);
        view->entry(SkinTrack).fg = qRgb(0, 0, 0);
    }
    SpecParser(ui_).parse(text, skin);

    loadView(folder, QStringLiteral("m_"), skin.main);
    skin.hasAlternate = FileExists(SkinFilePath(folder, QStringLiteral("a_panel.bmp")));
    if (skin.hasAlternate) {
        loadView(folder, QStringLiteral("a_"), skin.alternate);
    }
    packages_.ReleaseSkinFolder(path);
    return true;
}
