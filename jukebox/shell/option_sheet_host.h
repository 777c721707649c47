#pragma once

#include <QObject>
#include <QPointer>

#include "jukebox/options_sheet/option_sheet.h"

class CVelorineWnd;
class ExtensionLists;
class TagRecord;
class UiService;
struct AppSettings;

// Holds the options sheet with its pages for the whole run and runs it when
// the main window asks. On OK the tag-reading choices reach the tag record and
// the window takes the rest (scrolling, pop-up delay, formats).
class OptionSheetHost : public QObject {
    Q_OBJECT
public:
    OptionSheetHost(CVelorineWnd& wnd, AppSettings& settings, ExtensionLists& lists,
                    TagRecord& record, UiService& ui);
    ~OptionSheetHost() override;

    // The sheet is the window's child and goes with it.
    COptionSheet* sheet() const { return sheet_; }
    void Run();

Q_SIGNALS:
    // OK changed how tags are read (the Tag page's switches, the character
    // set): the texts of the entries listed are out of date.
    void tagReadingChanged();

private:
    CVelorineWnd& wnd_;
    AppSettings& settings_;
    TagRecord& record_;
    QPointer<COptionSheet> sheet_;
};
