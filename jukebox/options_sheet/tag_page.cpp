#include "jukebox/options_sheet/tag_page.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "jukebox/tracklist/tag_page_settings.h"

namespace {

QLineEdit* formatEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMinimumWidth(160);
    return edit;
}

}  // namespace

CTagPage::CTagPage(TagPageSettings& settings, QWidget* parent)
    : COptionPage(parent),
      settings_(settings),
      primary_(formatEdit("primaryFormat", this)),
      alternate_(formatEdit("alternateFormat", this)),
      list_(formatEdit("listFormat", this)),
      winamp_(namedCheckBox("winampGenres", "WinAmp",
                            QT_TRANSLATE_NOOP("Options", "Use WinAmp genre extensions"))),
      autoTranslate_(namedCheckBox(
          "autoTranslate", "Velorine",
          QT_TRANSLATE_NOOP("Options", "Use Velorine auto Unicode text translation"))),
      marlow_(namedCheckBox("marlow", "MARLOW", QT_TRANSLATE_NOOP("Options", "Use MARLOW"))),
      preferId3v2_(namedCheckBox(
          "preferId3v2", QT_TRANSLATE_NOOP("Options", "Prefer ID3v2"),
          QT_TRANSLATE_NOOP("Options",
                            "Show the ID3v2 tag of MP3 files that have an ID3v1 tag too"))) {
    marlow_->hide();
    auto* legend = new QLabel(
        QCoreApplication::translate(
            "Options", "%a: artist\n%n: name\n%g: genre\n%d: date\n%s: source\n%c: comment"),
        this);
    legend->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* extensions =
        new QGroupBox(QCoreApplication::translate("Options", "ID3 extensions"), this);
    auto* boxes = new QVBoxLayout(extensions);
    boxes->addWidget(winamp_);
    boxes->addWidget(autoTranslate_);
    boxes->addWidget(marlow_);
    boxes->addStretch(1);

    auto* formats = new QVBoxLayout;
    formats->addWidget(
        new QLabel(QCoreApplication::translate("Options", "Primary Track Panel Display"), this));
    formats->addWidget(primary_);
    formats->addWidget(
        new QLabel(QCoreApplication::translate("Options", "Alternate Track Panel Display"), this));
    formats->addWidget(alternate_);
    formats->addWidget(
        new QLabel(QCoreApplication::translate("Options", "Track List Display"), this));
    formats->addWidget(list_);
    formats->addStretch(1);

    auto* layout = new QGridLayout(this);
    layout->addLayout(formats, 0, 0);
    layout->addWidget(legend, 0, 1);
    auto* switches = new QVBoxLayout;
    switches->addWidget(extensions);
    switches->addWidget(preferId3v2_);
    switches->addStretch(1);
    layout->addLayout(switches, 0, 2);
    layout->setColumnStretch(0, 1);
}

void CTagPage::initPage() {
    primary_->setText(settings_.primaryFormat);
    alternate_->setText(settings_.alternateFormat);
    list_->setText(settings_.listFormat);
    winamp_->setChecked(settings_.useWinampGenres);
    autoTranslate_->setChecked(settings_.useAutoTranslate);
    marlow_->setChecked(settings_.useMarlow);
    preferId3v2_->setChecked(settings_.preferId3v2);
}

void CTagPage::okPage() {
    settings_.primaryFormat = primary_->text();
    settings_.alternateFormat = alternate_->text();
    settings_.listFormat = list_->text();
    settings_.useWinampGenres = winamp_->isChecked();
    settings_.useAutoTranslate = autoTranslate_->isChecked();
    settings_.useMarlow = marlow_->isChecked();
    settings_.preferId3v2 = preferId3v2_->isChecked();
}
