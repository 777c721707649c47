// The page's plain side: which field shows a property, the text of booleans and
// flag sets, which numbers are refused before the filter sees them, and what
// OK sends back.
#include <gtest/gtest.h>

#include "jukebox/filters_dialog/property_form.h"

namespace {

FilterProperty number(const char* name, FilterProperty::Kind kind, const char* value,
                      const char* minimum, const char* maximum, bool changeable = true) {
    FilterProperty p;
    p.name = QString::fromLatin1(name);
    p.kind = kind;
    p.value = QString::fromLatin1(value);
    p.minimum = QString::fromLatin1(minimum);
    p.maximum = QString::fromLatin1(maximum);
    p.changeableNow = changeable;
    return p;
}

TEST(PropertyFormTest, FlagSetsAndBooleansKeepTheirTextForms) {
    EXPECT_EQ(PropertyForm::FlagsOf(QStringLiteral("audio+video")),
              (QStringList{QStringLiteral("audio"), QStringLiteral("video")}));
    EXPECT_TRUE(PropertyForm::FlagsOf(QStringLiteral("0")).isEmpty());
    EXPECT_EQ(PropertyForm::FlagsText({}), QStringLiteral("0"));
    EXPECT_EQ(PropertyForm::FlagsText({QStringLiteral("a"), QStringLiteral("b")}),
              QStringLiteral("a+b"));
    EXPECT_TRUE(PropertyForm::IsTrue(PropertyForm::BooleanText(true)));
    EXPECT_FALSE(PropertyForm::IsTrue(PropertyForm::BooleanText(false)));
}

TEST(PropertyFormTest, NumbersOutsideTheirRangeOrNotNumbersAreRefusedToTheLastUnit) {
    PropertyForm form({number("level", FilterProperty::Real, "0", "-1", "1"),
                       number("big", FilterProperty::Integer, "0", "0", "18446744073709551615"),
                       number("small", FilterProperty::Integer, "0", "-9223372036854775808",
                              "9223372036854775807")});
    EXPECT_EQ(form.hint(0), QStringLiteral("-1 ... 1"));
    auto problemWith = [&](int row, const char* value) {
        form.setValue(row, QString::fromLatin1(value));
        return !form.problem(row).isEmpty();
    };
    EXPECT_FALSE(problemWith(0, "-1"));
    EXPECT_FALSE(problemWith(0, "0.25"));
    EXPECT_TRUE(problemWith(0, "1.0001"));
    EXPECT_TRUE(problemWith(0, "loud"));
    EXPECT_TRUE(problemWith(0, ""));
    EXPECT_FALSE(problemWith(1, "18446744073709551615"));
    EXPECT_TRUE(problemWith(1, "-1"));
    EXPECT_TRUE(problemWith(1, "1.5"));
    EXPECT_FALSE(problemWith(2, "-9223372036854775808"));
    EXPECT_TRUE(problemWith(2, "9223372036854775808"));
}

TEST(PropertyFormTest, OnlyChangedValuesOfEditableFieldsAreSent) {
    FilterProperty text;
    text.name = QStringLiteral("label");
    text.kind = FilterProperty::Text;
    text.value = QStringLiteral("old");
    text.changeableNow = true;
    PropertyForm form({number("fixed", FilterProperty::Integer, "1", "0", "9", false), text,
                       number("level", FilterProperty::Real, "0", "-1", "1")});
    EXPECT_EQ(form.kind(0), PropertyForm::NumberEdit);
    EXPECT_EQ(form.kind(1), PropertyForm::TextEdit);
    form.setValue(0, QStringLiteral("5"));
    form.setValue(2, QStringLiteral("0.5"));
    EXPECT_EQ(form.changes(),
              (QList<QPair<QString, QString>>{{QStringLiteral("level"), QStringLiteral("0.5")}}));
}

}  // namespace
