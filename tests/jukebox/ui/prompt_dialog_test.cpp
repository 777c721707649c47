// The prompt dialog driven as a user would: the text starts selected, so typing
// replaces it; OK hands back what was typed, Cancel keeps the caller's text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>

#include "jukebox/ui/prompt_dialog.h"
#include "jukebox/ui/qt_ui_service.h"

namespace {

// Runs act on the prompt dialog once it is shown and active.
void whenPromptShows(const std::function<void(CPromptDialog&)>& act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<CPromptDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        act(*dialog);
    });
}

QLineEdit* editOf(CPromptDialog& dialog) {
    return dialog.findChild<QLineEdit*>(QStringLiteral("promptEdit"));
}

TEST(PromptDialog, TypingReplacesTheSelectedTextAndOkHandsItBack) {
    QtUiService ui;
    QString caption;
    QString promptText;
    whenPromptShows([&](CPromptDialog& dialog) {
        caption = dialog.windowTitle();
        promptText = dialog.findChild<QLabel*>()->text();
        QLineEdit* edit = editOf(dialog);
        EXPECT_TRUE(edit->hasSelectedText());
        EXPECT_EQ(edit->selectedText(), QStringLiteral("ext"));
        QTest::keyClicks(edit, QStringLiteral("ogg"));
        QTest::keyClick(edit, Qt::Key_Return);  // OK is the default button
    });
    QString text = QStringLiteral("ext");
    EXPECT_TRUE(ui.prompt(QStringLiteral("Add extension"),
                          QStringLiteral("Please type in an extension"), text));
    EXPECT_EQ(text, QStringLiteral("ogg"));
    EXPECT_EQ(caption, QStringLiteral("Add extension"));
    EXPECT_EQ(promptText, QStringLiteral("Please type in an extension"));
}

TEST(PromptDialog, CancelLeavesTheTextAsItWas) {
    QtUiService ui;
    whenPromptShows([](CPromptDialog& dialog) {
        QTest::keyClicks(editOf(dialog), QStringLiteral("typed"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QString text = QStringLiteral("kept");
    EXPECT_FALSE(
        ui.prompt(QStringLiteral("Add entry"), QStringLiteral("Please type in a filename"), text));
    EXPECT_EQ(text, QStringLiteral("kept"));
}

TEST(PromptDialog, ShowsOverTheModalDialogThatAskedForIt) {
    QWidget window;
    QtUiService ui(&window);
    QDialog sheet(&window);
    sheet.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
    QWidget* owner = nullptr;
    whenPromptShows([&](CPromptDialog& dialog) {
        owner = dialog.parentWidget();
        dialog.reject();
    });
    QString text;
    EXPECT_FALSE(ui.prompt(QStringLiteral("Add extension"), QStringLiteral("Extension"), text));
    EXPECT_EQ(owner, &sheet);
}

}  // namespace
