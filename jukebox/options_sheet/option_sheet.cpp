#include "jukebox/options_sheet/option_sheet.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

COptionSheet::COptionSheet(QPoint& position, QWidget* parent)
    : QDialog(parent), position_(position), tabs_(new QTabWidget(this)) {
    setObjectName(QStringLiteral("optionSheet"));
    setWindowTitle(QCoreApplication::translate("Options", "Options"));
    tabs_->setObjectName(QStringLiteral("optionTabs"));
    // No Apply and no Help: what the pages change takes effect at OK.
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(tabs_, &QTabWidget::currentChanged, this, &COptionSheet::pageShown);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
}

void COptionSheet::setPage(Slot slot, COptionPage* page) {
    if (COptionPage* old = pages_[slot]) {
        tabs_->removeTab(tabs_->indexOf(old));
        delete old;
    }
    pages_[slot] = page;
    if (page == nullptr) {
        return;
    }
    int at = 0;
    for (int before = 0; before < slot; ++before) {
        at += pages_[before] != nullptr ? 1 : 0;
    }
    tabs_->insertTab(at, page, page->caption());
}

int COptionSheet::Run() {
    prepareOpening();
    return exec();
}

void COptionSheet::OpenWithoutWaiting() {
    prepareOpening();
    open();
}

// The remembered page at the remembered place; a page that is missing gives
// way to the first one there is.
void COptionSheet::prepareOpening() {
    initialised_.fill(false);
    open_ = true;
    const int tab = tabOfSlot(lastPage_);
    {
        const QSignalBlocker quiet(tabs_);
        tabs_->setCurrentIndex(tab < 0 ? 0 : tab);
    }
    pageShown();
    placeAt(position_);
}

// The place kept is the corner of the sheet's own area, without the frame the
// window manager adds: before a window is first shown its frame is unknown, and
// keeping the frame's corner would let the sheet creep by the title bar's height
// from one run to the next.
void COptionSheet::placeAt(QPoint corner) {
    winId();  // a platform window that exists knows its frame where it can
    const QPoint frameToArea = geometry().topLeft() - pos();
    move(corner - frameToArea);
}

void COptionSheet::pageShown() {
    const int slot = currentSlot();
    if (!open_ || slot < 0 || initialised_[slot]) {
        return;
    }
    initialised_[slot] = true;
    pages_[slot]->initPage();
}

int COptionSheet::currentSlot() const {
    QWidget* shown = tabs_->currentWidget();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (shown != nullptr && pages_[slot] == shown) {
            return slot;
        }
    }
    return -1;
}

int COptionSheet::tabOfSlot(int slot) const {
    return pages_[slot] != nullptr ? tabs_->indexOf(pages_[slot]) : -1;
}

// Only the pages the user looked at in this opening take part in OK or Cancel.
void COptionSheet::done(int result) {
    if (open_) {
        open_ = false;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            if (!initialised_[slot] || pages_[slot] == nullptr) {
                continue;
            }
            if (result == QDialog::Accepted) {
                pages_[slot]->okPage();
            } else {
                pages_[slot]->cancelPage();
            }
        }
        lastPage_ = currentSlot() < 0 ? lastPage_ : currentSlot();
        position_ = geometry().topLeft();
    }
    QDialog::done(result);
}
