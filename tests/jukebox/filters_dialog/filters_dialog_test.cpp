// The filters dialog and its property page over the media engine on real
// GStreamer: what the list shows of a playing graph, and values set on a page
// reaching the element itself.
#include <gst/gst.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>

#include "jukebox/filters_dialog/filter_dialog.h"
#include "jukebox/filters_dialog/property_page.h"
#include "jukebox/playback/gst_filter_inspector.h"
#include "tests/jukebox/playback/gst_engine_rig.h"
#include "tests/jukebox/playback/test_media.h"

namespace {

constexpr int kWaitMs = 5000;

QStringList itemsOf(QListWidget& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i) {
        items.append(list.item(i)->text());
    }
    return items;
}

// Names of the pipeline's elements that take no input (the file source).
QStringList elementsWithoutInput(GstElement* pipeline) {
    QStringList names;
    GstIterator* it = gst_bin_iterate_recurse(GST_BIN(pipeline));
    GValue item = G_VALUE_INIT;
    while (gst_iterator_next(it, &item) == GST_ITERATOR_OK) {
        auto* element = GST_ELEMENT(g_value_get_object(&item));
        if (element->numsinkpads == 0) {
            names.append(QString::fromUtf8(GST_OBJECT_NAME(element)));
        }
        g_value_reset(&item);
    }
    g_value_unset(&item);
    gst_iterator_free(it);
    return names;
}

// What the user can do with a field: type into its edit, or use its boxes and lists.
bool userCanEdit(QWidget* field) {
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (edit == nullptr) {
        edit = field->findChild<QLineEdit*>();
    }
    return edit != nullptr ? !edit->isReadOnly() : field->isEnabled();
}

class FiltersDialogTest : public testing::Test, protected GstEngineRig {
protected:
    static void SetUpTestSuite() { testMedia(); }

    // Selects filter in the list and presses Properties, as the user does.
    CPropertyPage* openPage(const QString& filter) {
        const QList<QListWidgetItem*> found = dialog.list().findItems(filter, Qt::MatchExactly);
        if (found.size() != 1) {
            return nullptr;
        }
        dialog.list().setCurrentItem(found.front());
        if (!dialog.propertiesButton().isEnabled()) {
            return nullptr;
        }
        QTest::mouseClick(&dialog.propertiesButton(), Qt::LeftButton);
        return dialog.page();
    }

    static int rowOf(const CPropertyPage& page, const char* name) {
        for (int row = 0; row < page.form().size(); ++row) {
            if (page.form().property(row).name == QLatin1String(name)) {
                return row;
            }
        }
        return -1;
    }

    // Presses OK; true when the page took the values and went away.
    bool pressOk(CPropertyPage* page) {
        QPointer<CPropertyPage> watched(page);
        QTest::mouseClick(page->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
        return QTest::qWaitFor([&] { return watched == nullptr; }, 500);
    }

    QString elementValue(const char* filter, const char* property) {
        QList<FilterProperty> properties;
        engine.GetFilterProperties(QString::fromLatin1(filter), properties);
        for (const FilterProperty& p : properties) {
            if (p.name == QLatin1String(property)) {
                return p.value;
            }
        }
        return {};
    }

    CFilterDialog dialog{engine};
    const TestMedia& media = testMedia();
};

TEST_F(FiltersDialogTest, ListsTheFiltersWithInputSortedAndWithoutAGraphFindsNothing) {
    dialog.RefreshFilters();
    EXPECT_EQ(itemsOf(dialog.list()), QStringList{QStringLiteral("<ERROR>")});

    ASSERT_TRUE(engine.OpenMedia(media.mp3Xing));
    dialog.RefreshFilters();
    const QStringList items = itemsOf(dialog.list());
    QStringList sorted = items;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    EXPECT_EQ(items, sorted);
    EXPECT_TRUE(items.contains(QStringLiteral("balance"))) << items.join(u' ').toStdString();
    const QStringList sources = elementsWithoutInput(graph.pipeline());
    ASSERT_FALSE(sources.isEmpty());
    for (const QString& source : sources) {
        EXPECT_FALSE(items.contains(source)) << source.toStdString();
    }

    // A filter with properties enables the button; once the graph is released
    // the list stays, but nothing in it is found any more.
    ASSERT_NE(openPage(QStringLiteral("balance")), nullptr);
    dialog.page()->close();
    engine.ReleaseGraph();
    dialog.list().setCurrentRow(0);
    EXPECT_TRUE(dialog.propertiesButton().isEnabled());
    QTest::mouseClick(&dialog.propertiesButton(), Qt::LeftButton);
    QTest::qWait(0);
    EXPECT_EQ(dialog.page(), nullptr);
}

TEST_F(FiltersDialogTest, ValuesChangedOnThePageReachThePlayingElement) {
    ASSERT_TRUE(engine.OpenMedia(media.mp3Xing));
    engine.Run();
    dialog.RefreshFilters();
    CPropertyPage* page = openPage(QStringLiteral("balance"));
    ASSERT_NE(page, nullptr);
    const int panorama = rowOf(*page, "panorama");
    const int method = rowOf(*page, "method");
    ASSERT_GE(panorama, 0);
    ASSERT_GE(method, 0);
    auto* edit = page->field(panorama)->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->setText(QStringLiteral("-0.25"));
    auto* list = qobject_cast<QComboBox*>(page->field(method));
    ASSERT_NE(list, nullptr);
    list->setCurrentText(QStringLiteral("psychoacoustic"));
    ASSERT_TRUE(pressOk(page));

    GstElement* balance =
        GstFilterInspector::findFilter(graph.pipeline(), QStringLiteral("balance"));
    ASSERT_NE(balance, nullptr);
    gfloat value = 0;
    gint chosen = 0;
    g_object_get(balance, "panorama", &value, "method", &chosen, nullptr);
    GParamSpec* spec = g_object_class_find_property(G_OBJECT_GET_CLASS(balance), "method");
    auto* methods = static_cast<GEnumClass*>(g_type_class_ref(spec->value_type));
    const GEnumValue* chosenValue = g_enum_get_value(methods, chosen);
    EXPECT_STREQ(chosenValue != nullptr ? chosenValue->value_nick : "", "psychoacoustic");
    g_type_class_unref(methods);
    gst_object_unref(balance);
    EXPECT_FLOAT_EQ(value, -0.25f);

    // Out of range: the page stays open with the reason and the element keeps its value.
    page = openPage(QStringLiteral("balance"));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->form().property(panorama).value, QStringLiteral("-0.25"));
    page->field(panorama)->findChild<QLineEdit*>()->setText(QStringLiteral("7"));
    EXPECT_FALSE(pressOk(page));
    EXPECT_FALSE(page->errorText().isEmpty());
    EXPECT_EQ(elementValue("balance", "panorama"), QStringLiteral("-0.25"));
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(FiltersDialogTest, PropertiesTheElementDoesNotLetChangeAreReadOnlyAndNeverSent) {
    ASSERT_TRUE(engine.OpenMedia(media.mp3Xing));
    engine.Run();
    dialog.RefreshFilters();
    int readOnly = 0;
    int editable = 0;
    bool triedReadOnlyEdit = false;
    for (const QString& filter : itemsOf(dialog.list())) {
        CPropertyPage* page = openPage(filter);
        if (page == nullptr) {
            continue;
        }
        for (int row = 0; row < page->form().size(); ++row) {
            const FilterProperty& p = page->form().property(row);
            EXPECT_EQ(userCanEdit(page->field(row)), p.changeableNow)
                << filter.toStdString() << "." << p.name.toStdString();
            (p.changeableNow ? editable : readOnly) += 1;
            auto* edit = page->field(row)->findChild<QLineEdit*>();
            if (!p.changeableNow && !triedReadOnlyEdit && p.kind == FilterProperty::Integer &&
                edit != nullptr) {
                // Text put into a read-only edit is not sent: the element would refuse
                // it and OK would fail. (The value itself may be a live counter.)
                edit->setText(p.value + QStringLiteral("1"));
                EXPECT_TRUE(page->Apply()) << page->errorText().toStdString();
                triedReadOnlyEdit = true;
            }
        }
        page->close();
        QTest::qWait(0);
    }
    EXPECT_GT(readOnly, 0);
    EXPECT_GT(editable, 0);
    EXPECT_TRUE(triedReadOnlyEdit);
}

}  // namespace

TEST_F(FiltersDialogTest, TheLineUnderTheListCountsTheFramesOfAVideoAndIsGoneForASound) {
    dialog.RefreshFilters();
    EXPECT_TRUE(dialog.videoLine().isHidden());

    ASSERT_TRUE(engine.OpenMedia(media.video));
    engine.Run();
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine.AtEnd(); }, 10000));
    QTest::qWait(50);  // the last frame's queued delivery
    dialog.RefreshVideoLine();
    const QString text = dialog.videoLine().text();
    const QRegularExpression line(
        QStringLiteral("^Video: (\\d+) frames shown, (\\d+) dropped \\(appsink\\)$"));
    const QRegularExpressionMatch match = line.match(text);
    ASSERT_TRUE(match.hasMatch()) << text.toStdString();
    EXPECT_EQ(match.captured(1).toInt(), window.frameCount);
    EXPECT_GT(window.frameCount, 0);
    EXPECT_FALSE(dialog.videoLine().isHidden());

    ASSERT_TRUE(engine.OpenMedia(media.mp3Xing));
    dialog.RefreshFilters();
    EXPECT_TRUE(dialog.videoLine().isHidden());
}
