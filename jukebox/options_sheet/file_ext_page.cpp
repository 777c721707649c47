#include "jukebox/options_sheet/file_ext_page.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>

#include "jukebox/options/extension_lists.h"
#include "jukebox/options_sheet/list_box_order.h"
#include "jukebox/ui/ui_service.h"

namespace {

QListWidget* listBox(const char* name, const char* tip, QWidget* parent) {
    auto* box = new QListWidget(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(QCoreApplication::translate("Options", tip));
    box->setSelectionMode(QAbstractItemView::SingleSelection);
    return box;
}

QStringList itemsOf(const QListWidget* box) {
    QStringList items;
    for (int row = 0; row < box->count(); ++row) {
        items.append(box->item(row)->text());
    }
    return items;
}

void fill(QListWidget* box, const QStringList& items) {
    box->clear();
    box->addItems(ListBoxOrder(items));
}

}  // namespace

CFileExtPage::CFileExtPage(ExtensionLists& lists, UiService& ui, QWidget* parent)
    : COptionPage(parent),
      lists_(lists),
      ui_(ui),
      audio_(listBox("audioList", QT_TRANSLATE_NOOP("Options", "List of audio extensions"), this)),
      video_(listBox("videoList", QT_TRANSLATE_NOOP("Options", "List of video extensions"), this)) {
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(listGroup(QCoreApplication::translate("Options", "Audio"), audio_, "addAudio",
                                QT_TRANSLATE_NOOP("Options", "Add an audio extension"),
                                "deleteAudio"));
    layout->addWidget(listGroup(QCoreApplication::translate("Options", "Video"), video_, "addVideo",
                                QT_TRANSLATE_NOOP("Options", "Add a video extension"),
                                "deleteVideo"));
    // Tab goes through one group before the other.
    QWidget* order[] = {audio_, child("addAudio"), child("deleteAudio"),
                        video_, child("addVideo"), child("deleteVideo")};
    for (size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

QWidget* CFileExtPage::child(const char* name) const {
    return findChild<QWidget*>(QString::fromLatin1(name));
}

QWidget* CFileExtPage::listGroup(const QString& title, QListWidget* box, const char* addName,
                                 const char* addTip, const char* deleteName) {
    auto* group = new QGroupBox(title, this);
    auto* add = new QPushButton(QCoreApplication::translate("Options", "Add"), group);
    add->setObjectName(QString::fromLatin1(addName));
    add->setToolTip(QCoreApplication::translate("Options", addTip));
    add->setAutoDefault(false);  // Return belongs to the sheet's OK
    auto* remove = new QPushButton(QCoreApplication::translate("Options", "Delete"), group);
    remove->setObjectName(QString::fromLatin1(deleteName));
    remove->setToolTip(QCoreApplication::translate("Options", "Delete the extension"));
    remove->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, [this, box] { addTo(box); });
    connect(remove, &QPushButton::clicked, this, [this, box] { deleteFrom(box); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(box);
    layout->addLayout(buttons);
    return group;
}

void CFileExtPage::initPage() {
    fill(audio_, lists_.audioExtensions());
    fill(video_, lists_.videoExtensions());
}

void CFileExtPage::addTo(QListWidget* box) {
    QString text = QStringLiteral("ext");
    if (!ui_.prompt(QCoreApplication::translate("Options", "Add extension"),
                    QCoreApplication::translate("Options", "Please type in an extension"), text) ||
        text.isEmpty()) {
        return;
    }
    const int row = ListBoxInsertPosition(itemsOf(box), text);
    box->insertItem(row, text);
    box->setCurrentRow(row);
}

void CFileExtPage::deleteFrom(QListWidget* box) {
    const QList<QListWidgetItem*> selected = box->selectedItems();
    if (!selected.isEmpty()) {
        delete box->takeItem(box->row(selected.first()));
    }
}

// Failures are reported by the lists, naming the file; the lists in memory
// take the new entries all the same.
void CFileExtPage::okPage() {
    lists_.replaceAndSave(itemsOf(audio_), itemsOf(video_));
}
