#include "jukebox/shell/option_sheet_host.h"

#include "jukebox/options_sheet/about_page.h"
#include "jukebox/options_sheet/file_ext_page.h"
#include "jukebox/options_sheet/general_page.h"
#include "jukebox/options_sheet/option_sheet.h"
#include "jukebox/options_sheet/tag_page.h"
#include "jukebox/shell/app_settings.h"
#include "jukebox/shell/velorine_icon.h"
#include "jukebox/shell/velorine_wnd.h"

#include <tuple>

OptionSheetHost::OptionSheetHost(CVelorineWnd& wnd, AppSettings& settings, ExtensionLists& lists,
                                 TagRecord& record, UiService& ui)
    : wnd_(wnd),
      settings_(settings),
      record_(record),
      sheet_(new COptionSheet(settings.optionPos, &wnd)) {
    sheet_->setPage(COptionSheet::TagPage, new CTagPage(settings.tagPage));
    sheet_->setPage(COptionSheet::FileExtPage, new CFileExtPage(lists, ui));
    sheet_->setPage(COptionSheet::GeneralPage, new CGeneralPage(settings.general));
    sheet_->setPage(COptionSheet::AboutPage, new CAboutPage(VelorineIcon()));
    connect(&wnd, &CVelorineWnd::optionsRequested, this, &OptionSheetHost::Run);
}

OptionSheetHost::~OptionSheetHost() = default;

namespace {

// What decides the texts a tag gives.
auto tagReadingOf(const AppSettings& settings) {
    const TagPageSettings& tag = settings.tagPage;
    return std::make_tuple(tag.useAutoTranslate, tag.useWinampGenres, tag.useMarlow,
                           tag.preferId3v2, settings.general.codePage);
}

}  // namespace

void OptionSheetHost::Run() {
    if (sheet_ == nullptr || sheet_->isVisible()) {
        return;  // a second Options (the tray menu) while the sheet is open
    }
    const auto before = tagReadingOf(settings_);
    if (sheet_->Run() == QDialog::Accepted) {
        settings_.applyTagOptions(record_);
        wnd_.ApplyOptions();
        if (tagReadingOf(settings_) != before) {
            Q_EMIT tagReadingChanged();
        }
    }
}
