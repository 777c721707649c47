#include "jukebox/options_sheet/skin_page.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <utility>

#include "jukebox/skin/skin_list.h"
#include "jukebox/ui/wait_cursor.h"

namespace {

// Texts come from the skins' own files: never read as markup.
QLabel* plainLabel(const QString& toolTip, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setToolTip(toolTip);
    return label;
}

}  // namespace

CSkinPage::CSkinPage(SkinList& skins, QString workFolder, QWidget* parent)
    : COptionPage(parent), skins_(skins), workFolder_(std::move(workFolder)) {
    buildControls();
    connect(list_, &QListWidget::currentRowChanged, this, &CSkinPage::showDetails);
    connect(load_, &QPushButton::clicked, this, &CSkinPage::loadSelected);
}

void CSkinPage::buildControls() {
    list_ = new QListWidget(this);
    list_->setToolTip(QCoreApplication::translate("Options", "Skin list"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    load_ = new QPushButton(QCoreApplication::translate("Options", "Load"), this);
    load_->setToolTip(QCoreApplication::translate("Options", "Load skin"));
    designer_ = plainLabel(QCoreApplication::translate("Options", "Designer"), this);
    version_ = plainLabel(QCoreApplication::translate("Options", "Version"), this);
    description_ = plainLabel(QCoreApplication::translate("Options", "Description"), this);
    description_->setWordWrap(true);
    description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description_->setFrameShape(QFrame::StyledPanel);
    description_->setMinimumHeight(80);

    auto* grid = new QGridLayout(this);
    grid->addWidget(list_, 0, 0, 4, 1);
    grid->addWidget(load_, 4, 0);
    grid->addWidget(new QLabel(QCoreApplication::translate("Options", "Designer:"), this), 0, 1);
    grid->addWidget(designer_, 0, 2);
    grid->addWidget(new QLabel(QCoreApplication::translate("Options", "Version:"), this), 1, 1);
    grid->addWidget(version_, 1, 2);
    grid->addWidget(new QLabel(QCoreApplication::translate("Options", "Description:"), this), 2, 1,
                    1, 2);
    grid->addWidget(description_, 3, 1, 2, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(3, 1);
}

QString CSkinPage::caption() const {
    return QCoreApplication::translate("Options", "Skin");
}

void CSkinPage::initPage() {
    {
        WaitCursor wait;
        // Skins may have been added or removed since the last look.
        skins_.ScanSkins(workFolder_);
    }
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const SkinListEntry& entry : skins_.entries()) {
        list_->addItem(entry.name);
    }
    const int current = skins_.entries().isEmpty() ? -1 : skins_.currentIndex();
    requested_ = current;
    list_->setCurrentRow(current);
    showDetails(current);
}

void CSkinPage::showDetails(int row) {
    const QList<SkinListEntry>& entries = skins_.entries();
    const bool listed = row >= 0 && row < entries.size();
    designer_->setText(listed ? entries[row].designer : QString());
    version_->setText(listed ? entries[row].version : QString());
    description_->setText(listed ? entries[row].description : QString());
}

void CSkinPage::loadSelected() {
    const int row = list_->currentRow();
    if (row < 0 || row >= skins_.entries().size()) {
        return;  // nothing to load
    }
    requested_ = row;
    Q_EMIT skinChosen(row);
}

void CSkinPage::okPage() {
    const int row = list_->currentRow();
    // The skin in use, or one that "Load" just tried, is not loaded again.
    if (row < 0 || row >= skins_.entries().size() || row == requested_ ||
        row == skins_.currentIndex()) {
        return;
    }
    requested_ = row;
    Q_EMIT skinChosen(row);
}
