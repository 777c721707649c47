// The skins the build lays into the working folder: they load without a word,
// place their controls on the face, and each panel band reads as what it is.
#include <gtest/gtest.h>

#include "jukebox/skin/skin_list.h"
#include "jukebox/skin/skin_loader.h"
#include "jukebox/skin/skin_packages.h"
#include "tests/support/recording_ui_service.h"

namespace {

const QString kSkins = QStringLiteral(VELORINE_SHIPPED_SKINS);

double meanLuminance(const QImage& panel, const QRect& rect, int band, int faceHeight) {
    double sum = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            sum += qGray(panel.pixel(x, y + band * faceHeight));
        }
    }
    return sum / (rect.width() * rect.height());
}

double saturation(const QImage& panel, const QRect& rect, int band, int faceHeight) {
    double sum = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            sum += QColor(panel.pixel(x, y + band * faceHeight)).hsvSaturationF();
        }
    }
    return sum / (rect.width() * rect.height());
}

bool differs(const QImage& panel, const QRect& rect, int a, int b, int faceHeight) {
    int changed = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            changed += panel.pixel(x, y + a * faceHeight) != panel.pixel(x, y + b * faceHeight);
        }
    }
    return changed > rect.width() * rect.height() / 5;
}

// Every rule the panel's bands and shape must keep, for one view.
void checkView(const SkinView& view, const char* what) {
    SCOPED_TRACE(what);
    ASSERT_FALSE(view.panel.isNull());
    const int fh = view.face.height();
    ASSERT_EQ(view.panel.height(), 6 * fh);
    const QRect face(QPoint(0, 0), view.face);
    // Not a rectangle: some corner of the face lies outside the shape.
    EXPECT_FALSE(
        view.shape.contains(QPoint(0, 0)) && view.shape.contains(QPoint(face.right(), 0)) &&
        view.shape.contains(QPoint(0, face.bottom())) && view.shape.contains(face.bottomRight()));
    int buttons = 0;
    for (int i = 0; i < SkinKeywordCount; ++i) {
        auto keyword = static_cast<SkinKeyword>(i);
        const SkinEntry& entry = view.entry(keyword);
        if (entry.show != SkinVisible) {
            continue;
        }
        SCOPED_TRACE(SkinKeywordName(keyword).toStdString());
        const QRect rect = entry.rect;
        ASSERT_FALSE(rect.isEmpty());
        EXPECT_TRUE(face.contains(rect));
        EXPECT_EQ(view.shape.intersected(rect), QRegion(rect));  // wholly on the face
        for (int j = i + 1; j < SkinKeywordCount; ++j) {
            const SkinEntry& other = view.entry(static_cast<SkinKeyword>(j));
            EXPECT_TRUE(other.show != SkinVisible || !rect.intersects(other.rect))
                << "overlaps " << SkinKeywordName(static_cast<SkinKeyword>(j)).toStdString();
        }
        if (SkinKeywordKind(keyword) != SkinLineKind::Button) {
            continue;
        }
        ++buttons;
        // 0 inactive: duller than 1 active; 2 on, 3 hover, 4 pressed: each its own look.
        EXPECT_LT(saturation(view.panel, rect, 0, fh), saturation(view.panel, rect, 1, fh));
        EXPECT_TRUE(differs(view.panel, rect, 2, 1, fh));
        EXPECT_TRUE(differs(view.panel, rect, 3, 1, fh));
        EXPECT_GT(meanLuminance(view.panel, rect, 3, fh), meanLuminance(view.panel, rect, 1, fh));
        EXPECT_TRUE(differs(view.panel, rect, 4, 1, fh));
        EXPECT_TRUE(differs(view.panel, rect, 4, 3, fh));
    }
    EXPECT_GT(buttons, 5);
}

TEST(ShippedSkins, BothAreListedAndLoadWithoutAnyMessage) {
    RecordingUiService ui;
    SkinPackages packages(ui);
    SkinList list(packages);
    list.ScanSkins(kSkins + QStringLiteral("/.."));
    QStringList names;
    for (const SkinListEntry& entry : list.entries()) {
        names << entry.name;
    }
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("Ember"), QStringLiteral("XP Aqua")}));
    ASSERT_TRUE(list.SelectSkin(QStringLiteral("XP Aqua")));
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();

    SkinLoader loader(ui, packages);
    SkinDescription aqua;
    ASSERT_TRUE(loader.LoadSkin(list.CurrentSkinPath(), aqua));
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
    SkinDescription ember;
    ASSERT_TRUE(loader.LoadSkin(kSkins + QStringLiteral("/Ember.vlz"), ember));
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
}

TEST(ShippedSkins, XpAquaPlacesEveryKeywordAndHasACompactGlyphView) {
    RecordingUiService ui;
    SkinPackages packages(ui);
    SkinDescription skin;
    ASSERT_TRUE(SkinLoader(ui, packages).LoadSkin(kSkins + QStringLiteral("/XPAqua"), skin));
    for (int i = 0; i < SkinKeywordCount; ++i) {
        EXPECT_EQ(skin.main.entries[size_t(i)].show, SkinVisible)
            << SkinKeywordName(static_cast<SkinKeyword>(i)).toStdString();
    }
    EXPECT_EQ(skin.main.entry(SkinTrack).fontMode, SkinFontText);
    checkView(skin.main, "XP Aqua main");
    ASSERT_TRUE(skin.hasAlternate);
    EXPECT_EQ(skin.alternate.entry(SkinTrack).fontMode, SkinGlyphs);
    EXPECT_FALSE(skin.alternate.glyphCell.isEmpty());
    EXPECT_LT(skin.alternate.face.height(), skin.main.face.height());
    checkView(skin.alternate, "XP Aqua compact");
}

TEST(ShippedSkins, EmberHasAVerticalSliderAndAGlyphPanel) {
    RecordingUiService ui;
    SkinPackages packages(ui);
    SkinDescription skin;
    ASSERT_TRUE(SkinLoader(ui, packages).LoadSkin(kSkins + QStringLiteral("/Ember.vlz"), skin));
    EXPECT_EQ(skin.main.entry(SkinVolume).orient, SkinVertical);
    EXPECT_GT(skin.main.entry(SkinVolume).rect.height(), skin.main.entry(SkinVolume).rect.width());
    EXPECT_EQ(skin.main.entry(SkinTrack).fontMode, SkinGlyphs);
    EXPECT_FALSE(skin.main.alpha.isNull());
    checkView(skin.main, "Ember");
}

}  // namespace
