#pragma once

#include <QCoreApplication>
#include <QIcon>
#include <QUrl>
#include <functional>

#include "jukebox/options_sheet/option_page.h"

// The About page: the program's icon and version, and two buttons that open the
// web site and a new e-mail to the author with the desktop's programs. It has
// no settings.
class CAboutPage : public COptionPage {
    Q_OBJECT
public:
    using UrlOpener = std::function<bool(const QUrl&)>;

    static constexpr const char* kWebSite = "https://velorine.example.org";
    static constexpr const char* kMailTo = "mailto:velorine@example.org";

    // openUrl defaults to the desktop's (QDesktopServices).
    explicit CAboutPage(const QIcon& icon, UrlOpener openUrl = {}, QWidget* parent = nullptr);

    QString caption() const override { return QCoreApplication::translate("Options", "About"); }
    void initPage() override {}
    void okPage() override {}

private:
    UrlOpener openUrl_;
};
