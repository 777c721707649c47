#pragma once

#include <QDialog>
#include <QPoint>
#include <QPointer>
#include <array>

#include "jukebox/options_sheet/option_page.h"

class QTabWidget;

// The modal "Options" sheet: a tab per page and OK/Cancel. The sheet object
// lives for the whole run; it remembers the page that was open when it last
// closed (in memory only) and keeps the top-left corner of its area (inside
// the window manager's frame) in the point it is given, which the settings
// load and save.
//
// Pages come from the caller, each into its slot. The slots keep their numbers
// whether or not every page is there, so the remembered page means the same
// page when another one joins.
class COptionSheet : public QDialog {
    Q_OBJECT
public:
    enum Slot { SkinPage = 0, TagPage = 1, FileExtPage = 2, GeneralPage = 3, AboutPage = 4 };
    static constexpr int kSlotCount = 5;

    // position is read at each opening and written at each closing.
    explicit COptionSheet(QPoint& position, QWidget* parent = nullptr);

    // The sheet takes the page (it becomes a child of the sheet).
    void setPage(Slot slot, COptionPage* page);
    COptionPage* page(Slot slot) const { return pages_[slot]; }

    // Runs the sheet modally; QDialog::Accepted for OK.
    int Run();
    // The same opening without waiting: the sheet shows and OK or Cancel closes
    // it later (accept(), reject(), or the buttons).
    void OpenWithoutWaiting();

    // The slot of the page shown now, and the one the next opening shows.
    int currentSlot() const;
    int lastPage() const { return lastPage_; }

    void done(int result) override;

private:
    void prepareOpening();
    void placeAt(QPoint corner);
    void pageShown();
    int tabOfSlot(int slot) const;

    QPoint& position_;
    QTabWidget* tabs_;
    std::array<QPointer<COptionPage>, kSlotCount> pages_{};
    std::array<bool, kSlotCount> initialised_{};
    int lastPage_ = SkinPage;
    bool open_ = false;
};
