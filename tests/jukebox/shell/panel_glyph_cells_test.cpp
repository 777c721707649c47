// How a glyph-mode track panel lays a line out on its grid of cells: what the
// sheet holds from the sheet, what it lacks from the font in one cell or two.
#include <gtest/gtest.h>

#include <QString>
#include <ostream>

#include "jukebox/shell/panel_glyph_cells.h"

using namespace Qt::Literals::StringLiterals;

namespace {

struct Piece {
    int span;
    int sheetCell;
    QString text;

    friend bool operator==(const Piece&, const Piece&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Piece& p) {
        return os << "{" << p.span << ", " << p.sheetCell << ", \"" << p.text.toStdString()
                  << "\"}";
    }
};

std::vector<Piece> pieces(const QString& line) {
    std::vector<Piece> out;
    int cell = 0;
    for (const PanelGlyphItem& item : LayOutGlyphCells(line)) {
        EXPECT_EQ(item.cell, cell) << "a gap or an overlap in the grid";
        cell += item.span;
        out.push_back({item.span, item.sheetCell, line.mid(item.begin, item.length)});
    }
    EXPECT_EQ(CountGlyphCells(line), cell);
    return out;
}

TEST(PanelGlyphCellsTest, WideCharactersTakeTwoCellsMarksStayWithTheirLetterControlsTakeTheBox) {
    const QString e = QString::fromUtf8("e\xcc\x81");  // e and a combining acute accent
    EXPECT_EQ(pieces(QString::fromUtf8("A~ \xe6\x9c\x88\xed\x95\x9c\xe3\x81\x82") + e),
              (std::vector<Piece>{{1, 'A' - 32, u"A"_s},
                                  {1, '~' - 32, u"~"_s},
                                  {1, 0, u" "_s},
                                  {2, -1, u"\u6708"_s},  // CJK ideograph
                                  {2, -1, u"\ud55c"_s},  // Hangul syllable
                                  {2, -1, u"\u3042"_s},  // hiragana
                                  {1, -1, e}}));
    // Narrow: half-width katakana, Cyrillic, Latin-1; wide beyond the first plane:
    // an ideograph of extension B and a face, each one character of two UTF-16 units.
    EXPECT_EQ(
        pieces(QString::fromUtf8("\xef\xbd\xb1\xd0\x96\xc3\xa9\xf0\xa0\x80\x80\xf0\x9f\x98\x80")),
        (std::vector<Piece>{{1, -1, u"\uff71"_s},
                            {1, -1, u"\u0416"_s},
                            {1, -1, u"\u00e9"_s},
                            {2, -1, QString::fromUtf8("\xf0\xa0\x80\x80")},
                            {2, -1, QString::fromUtf8("\xf0\x9f\x98\x80")}}));
    // Controls (CR LF among them), private use and a lone surrogate: the box, one
    // cell per UTF-16 unit.
    QString hostile = QString::fromUtf8("\r\n\x7f\xee\x80\x80");
    hostile.append(QChar(0xD800));
    hostile.append(u'x');
    EXPECT_EQ(pieces(hostile), (std::vector<Piece>{{1, 95, u"\r"_s},
                                                   {1, 95, u"\n"_s},
                                                   {1, 95, u"\x7f"_s},
                                                   {1, 95, u"\ue000"_s},
                                                   {1, 95, QString(QChar(0xD800))},
                                                   {1, 'x' - 32, u"x"_s}}));
    EXPECT_TRUE(pieces(QString()).empty());
}

}  // namespace
