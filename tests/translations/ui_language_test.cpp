// The programs in each language: the catalogue of the user's language is found
// in the build tree and turns the menus, dialogs and messages into it, while the
// C locale (and English) keep the English texts as written.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTranslator>

#include "batchtagger/marlowisp_dlg.h"
#include "jukebox/shell/help_window.h"
#include "jukebox/shell/panel_line.h"
#include "jukebox/shell/shell_tray.h"
#include "translations/ui_language.h"

namespace {

struct Expected {
    const char* locale;
    const char* exitItem;     // the system menu's "Exit"
    const char* writeButton;  // Marlowisp's "Write"
    const char* helpTitle;    // the help window's title
    const char* panelIdle;    // the track panel with nothing open
};

const Expected kExpected[] = {
    {"zh_CN", "退出", "写入", "Velorine 帮助", "未打开媒体文件"},
    {"zh_TW", "結束", "寫入", "Velorine 說明", "未開啟媒體檔案"},
    {"ja_JP", "終了", "書き込み", "Velorine ヘルプ", "メディアファイルが開かれていません"},
    {"ko_KR", "끝내기", "쓰기", "Velorine 도움말", "열린 미디어 파일이 없습니다"},
};

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

class UiLanguageTest : public ::testing::Test {
protected:
    void TearDown() override {
        QCoreApplication* app = QCoreApplication::instance();
        for (QTranslator* translator : app->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
};

QStringList menuTexts(QMenu& menu) {
    QStringList texts;
    for (QAction* action : menu.actions()) {
        texts << action->text();
    }
    return texts;
}

QString buttonText(CMarlowispDlg& dialog, const char* name) {
    auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    return button != nullptr ? button->text() : QString();
}

}  // namespace

TEST_F(UiLanguageTest, EachLanguageTurnsMenusDialogsAndMessages) {
    for (const Expected& expected : kExpected) {
        SCOPED_TRACE(expected.locale);
        ASSERT_TRUE(InstallUiTranslators(*QCoreApplication::instance(),
                                         QLocale(QString::fromLatin1(expected.locale))));
        ShellTray tray(QIcon{});
        EXPECT_TRUE(menuTexts(tray.systemMenu()).contains(u8(expected.exitItem)))
            << menuTexts(tray.systemMenu()).join(u'|').toStdString();
        CMarlowispDlg dialog;
        EXPECT_EQ(buttonText(dialog, "writeButton"), u8(expected.writeButton));
        CHelpWindow help;
        EXPECT_EQ(help.windowTitle(), u8(expected.helpTitle));
        // Texts of the logic below the windows come out translated too, and the
        // English tool tips of the face's controls find their translations.
        EXPECT_EQ(ChoosePanelLine(PanelLineState{}, QString()).text, u8(expected.panelIdle));
        TearDown();
    }
}

TEST_F(UiLanguageTest, EnglishAndTheCLocaleKeepTheTextsAsWritten) {
    for (const char* locale : {"C", "en_US", "de_DE"}) {
        SCOPED_TRACE(locale);
        EXPECT_FALSE(InstallUiTranslators(*QCoreApplication::instance(),
                                          QLocale(QString::fromLatin1(locale))));
        ShellTray tray(QIcon{});
        EXPECT_EQ(menuTexts(tray.systemMenu()).join(u'|'), QStringLiteral("Options|Help||Exit"));
        CMarlowispDlg dialog;
        EXPECT_EQ(buttonText(dialog, "writeButton"), QStringLiteral("Write"));
        TearDown();
    }
}

TEST(UiLanguage, MessagesLocaleFollowsTheLocaleVariablesInTheirOrder) {
    const QByteArray saved[] = {qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG"),
                                qgetenv("LANGUAGE")};
    auto set = [](const char* all, const char* messages, const char* lang, const char* language) {
        qputenv("LC_ALL", all);
        qputenv("LC_MESSAGES", messages);
        qputenv("LANG", lang);
        qputenv("LANGUAGE", language);
    };
    set("", "", "ko_KR.UTF-8", "");
    EXPECT_EQ(MessagesLocale().name(), QStringLiteral("ko_KR"));
    set("", "ja_JP.UTF-8", "ko_KR.UTF-8", "");
    EXPECT_EQ(MessagesLocale().name(), QStringLiteral("ja_JP"));
    set("zh_TW.UTF-8", "ja_JP.UTF-8", "ko_KR.UTF-8", "");
    EXPECT_EQ(MessagesLocale().name(), QStringLiteral("zh_TW"));
    set("", "", "ko_KR.UTF-8", "zh_CN:en");
    EXPECT_EQ(MessagesLocale().name(), QStringLiteral("zh_CN"));
    // As gettext: LANGUAGE counts only when a locale is set at all.
    set("", "", "C", "zh_CN");
    EXPECT_EQ(MessagesLocale().language(), QLocale::C);
    set("", "", "", "");
    EXPECT_EQ(MessagesLocale().language(), QLocale::C);
    set(saved[0].constData(), saved[1].constData(), saved[2].constData(), saved[3].constData());
}

// Pellimorph, a console program, takes its language from the variables alone.
TEST(UiLanguage, PellimorphSpeaksTheLanguageOfLang) {
    auto run = [](const char* lang) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LC_ALL"));
        environment.remove(QStringLiteral("LC_MESSAGES"));
        environment.remove(QStringLiteral("LANGUAGE"));
        environment.insert(QStringLiteral("LANG"), QString::fromLatin1(lang));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(PELLIMORPH_PATH),
                      {QStringLiteral("ANSI"), QStringLiteral("UTF8"),
                       QStringLiteral("/nonexistent/a%2b.mp3")});
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    // The path goes in byte for byte, its "%2" untouched.
    EXPECT_EQ(run("C"), QStringLiteral("Cannot open /nonexistent/a%2b.mp3, check file name\n\n"));
    EXPECT_EQ(run("ja_JP.UTF-8"),
              u8("/nonexistent/a%2b.mp3 を開けません。ファイル名を確認してください\n\n"));
    EXPECT_EQ(run("zh_CN.UTF-8"), u8("无法打开 /nonexistent/a%2b.mp3，请检查文件名\n\n"));
}
