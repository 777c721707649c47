#include "jukebox/options_sheet/about_page.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <utility>

namespace {

QPushButton* linkButton(const char* name, const char* text, const char* tip, QWidget* parent) {
    auto* button = new QPushButton(QCoreApplication::translate("Options", text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QCoreApplication::translate("Options", tip));
    button->setAutoDefault(false);  // Return belongs to the sheet's OK
    return button;
}

}  // namespace

CAboutPage::CAboutPage(const QIcon& icon, UrlOpener openUrl, QWidget* parent)
    : COptionPage(parent), openUrl_(std::move(openUrl)) {
    if (!openUrl_) {
        openUrl_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    }
    auto* picture = new QLabel(this);
    picture->setPixmap(icon.pixmap(48, 48));
    auto* version = new QLabel(QStringLiteral("Velorine v3.60"), this);
    version->setObjectName(QStringLiteral("version"));
    QPushButton* web = linkButton("webSite", QT_TRANSLATE_NOOP("Options", "Web site"),
                                  QT_TRANSLATE_NOOP("Options", "Got to Velorine website"), this);
    QPushButton* mail = linkButton("eMail", QT_TRANSLATE_NOOP("Options", "E-Mail"),
                                   QT_TRANSLATE_NOOP("Options", "E-Mail the author"), this);
    connect(web, &QPushButton::clicked, this,
            [this] { openUrl_(QUrl(QString::fromLatin1(kWebSite))); });
    connect(mail, &QPushButton::clicked, this,
            [this] { openUrl_(QUrl(QString::fromLatin1(kMailTo))); });

    auto* layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(version, 0, 1, 1, 2);
    layout->addWidget(web, 1, 1);
    layout->addWidget(mail, 1, 2);
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(2, 1);
}
