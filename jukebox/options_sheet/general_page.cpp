#include "jukebox/options_sheet/general_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <array>

#include "jukebox/shell/general_settings.h"

namespace {

struct Charset {
    const char* name;
    int codePage;
};
constexpr std::array<Charset, 7> kCharsets{
    {{QT_TRANSLATE_NOOP("Options", "Automatic"), GeneralSettings::kAutomaticCodePage},
     {"UTF-8", 65001},
     {"BIG5", 950},
     {"GB", 936},
     {"SJIS", 932},
     {"KSC", 949},
     {QT_TRANSLATE_NOOP("Options", "ANSI (Western)"), 0}}};
constexpr int kUtf8Position = 1;

}  // namespace

CGeneralPage::CGeneralPage(GeneralSettings& settings, QWidget* parent)
    : COptionPage(parent),
      settings_(settings),
      onTop_(namedCheckBox("alwaysOnTop", QT_TRANSLATE_NOOP("Options", "Always on top"),
                           QT_TRANSLATE_NOOP("Options", "Stay on top of all other windows"))),
      scroll_(namedCheckBox("scrollText", QT_TRANSLATE_NOOP("Options", "Scroll text"),
                            QT_TRANSLATE_NOOP("Options", "Scroll long text in track display"))),
      autoplay_(namedCheckBox("autoplay", QT_TRANSLATE_NOOP("Options", "Autoplay on drop"),
                              QT_TRANSLATE_NOOP("Options", "Play dropped file immediately"))),
      charset_(new QComboBox(this)),
      delay_(new QSpinBox(this)) {
    charset_->setObjectName(QStringLiteral("charset"));
    charset_->setToolTip(QCoreApplication::translate(
        "Options", "For tag text without a code-page marker; Automatic reads it from the text"));
    for (const Charset& charset : kCharsets) {
        charset_->addItem(QCoreApplication::translate("Options", charset.name));
    }
    delay_->setObjectName(QStringLiteral("popupDelay"));
    delay_->setToolTip(QCoreApplication::translate("Options", "Pop-up text delay, in 100ms units"));
    delay_->setRange(GeneralSettings::kMinPopupDelay, GeneralSettings::kMaxPopupDelay);
    delay_->setAlignment(Qt::AlignRight);
    connect(charset_, &QComboBox::currentIndexChanged, this, &CGeneralPage::charsetChosen);

    auto* choices = new QFormLayout;
    // A number up to 100 and seven short names need no more room than that.
    choices->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    choices->addRow(QCoreApplication::translate("Options", "Default character set"), charset_);
    choices->addRow(QCoreApplication::translate("Options", "Popup (100ms)"), delay_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(onTop_);
    layout->addWidget(scroll_);
    layout->addWidget(autoplay_);
    layout->addLayout(choices);
    layout->addStretch(1);
}

int CGeneralPage::CodePageAt(int position) {
    const bool listed = position >= 0 && position < static_cast<int>(kCharsets.size());
    return kCharsets[static_cast<size_t>(listed ? position : kUtf8Position)].codePage;
}

int CGeneralPage::PositionOf(int codePage) {
    for (size_t i = 0; i < kCharsets.size(); ++i) {
        if (kCharsets[i].codePage == codePage) {
            return static_cast<int>(i);
        }
    }
    return kUtf8Position;
}

void CGeneralPage::initPage() {
    openingCodePage_ = settings_.codePage;
    onTop_->setChecked(settings_.alwaysOnTop);
    scroll_->setChecked(settings_.scrollText);
    autoplay_->setChecked(settings_.autoplay);
    {
        // Showing the choice is not choosing it: a stored code page that the
        // list does not hold stays until OK.
        const QSignalBlocker quiet(charset_);
        charset_->setCurrentIndex(PositionOf(settings_.codePage));
    }
    delay_->setValue(settings_.popupDelay);
}

void CGeneralPage::charsetChosen(int position) {
    settings_.codePage = CodePageAt(position);
}

void CGeneralPage::okPage() {
    settings_.alwaysOnTop = onTop_->isChecked();
    settings_.scrollText = scroll_->isChecked();
    settings_.autoplay = autoplay_->isChecked();
    settings_.codePage = CodePageAt(charset_->currentIndex());
    settings_.popupDelay = delay_->value();
    settings_.displayMode = 0;
}

void CGeneralPage::cancelPage() {
    settings_.codePage = openingCodePage_;
}
