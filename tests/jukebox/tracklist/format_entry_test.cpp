// Display formats and the Tag page's values.
#include <gtest/gtest.h>

#include "jukebox/tracklist/format_entry.h"
#include "jukebox/tracklist/tag_page_settings.h"
#include "taglib/tag_record.h"

namespace {

TrackEntry sampleEntry() {
    TrackEntry entry;
    entry.artist = QStringLiteral("X");
    entry.name = QStringLiteral("Y");
    entry.genre = QStringLiteral("Rock");
    entry.date = QStringLiteral("1998");
    entry.source = QStringLiteral("Album");
    entry.comment = QStringLiteral("note");
    return entry;
}

TEST(FormatEntry, ExpandsCodesInAnyCaseAndPassesOtherCharacters) {
    struct Case {
        const char16_t* format;
        const char16_t* expected;
    };
    const Case cases[] = {
        {u"%a - %n", u"X - Y"},
        {u"%N/%A", u"Y/X"},
        {u"%g|%d|%s|%c", u"Rock|1998|Album|note"},
        {u"%G%D%S%C", u"Rock1998Albumnote"},
        {u"100%", u"100%"},
        {u"100%%", u"100%"},
        {u"%q", u"q"},
        {u"%", u"%"},
        {u"%%a", u"%a"},  // the second % is the code, "a" a plain letter
        {u"", u""},
        {u"%\u00e1%\u0101", u"\u00e1\u0101"},  // letters that only fold to codes elsewhere
        {u"a%n%", u"aY%"},
    };
    TrackEntry entry = sampleEntry();
    for (const Case& c : cases) {
        EXPECT_EQ(FormatEntry(QString::fromUtf16(c.format), entry), QString::fromUtf16(c.expected))
            << QString::fromUtf16(c.format).toStdString();
    }
}

TEST(FormatEntry, EmptyFieldsContributeNothing) {
    TrackEntry entry;
    entry.name = QStringLiteral("No media file loaded");
    EXPECT_EQ(FormatEntry(QStringLiteral("%a - %n"), entry),
              QStringLiteral(" - No media file loaded"));
}

TEST(TagPageSettings, DefaultsAndSwitchesReachTheTagRecord) {
    TagPageSettings page;
    EXPECT_FALSE(page.useWinampGenres || page.useMarlow);
    EXPECT_TRUE(page.useAutoTranslate);
    for (const QString* format : {&page.listFormat, &page.alternateFormat, &page.primaryFormat}) {
        EXPECT_EQ(*format, QStringLiteral("%a - %n"));
    }
    TagRecord record;
    page.useAutoTranslate = true;
    page.useMarlow = true;
    page.applyTo(record);
    EXPECT_TRUE(record.autoTranslate);
    EXPECT_TRUE(record.marlowExtension);
    EXPECT_FALSE(record.winampGenres);
    page.useAutoTranslate = false;
    page.useWinampGenres = true;
    page.applyTo(record);
    EXPECT_FALSE(record.autoTranslate);
    EXPECT_TRUE(record.winampGenres);
}

}  // namespace
