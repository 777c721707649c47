#include "jukebox/filters_dialog/filter_dialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "jukebox/filters_dialog/filter_list.h"
#include "jukebox/filters_dialog/property_page.h"
#include "jukebox/playback/media_engine.h"
#include "jukebox/ui/forward_key.h"

CFilterDialog::CFilterDialog(MediaEngine& engine, QWidget* parent)
    : QDialog(parent),
      engine_(engine),
      properties_(QCoreApplication::translate("CFilterDialog", "Properties")),
      close_(QCoreApplication::translate("CFilterDialog", "Close")),
      fade_(this, "windowOpacity") {
    setWindowTitle(QCoreApplication::translate("CFilterDialog", "DirectX Filters"));
    setModal(false);
    properties_.setEnabled(false);
    // Enter belongs to the list (double-click's keyboard twin), not to a button.
    properties_.setAutoDefault(false);
    close_.setAutoDefault(false);
    connect(&list_, &QListWidget::currentItemChanged, this, &CFilterDialog::selectionChanged);
    connect(&list_, &QListWidget::itemActivated, this, &CFilterDialog::ShowFilterProperties);
    connect(&properties_, &QPushButton::clicked, this, &CFilterDialog::ShowFilterProperties);
    connect(&close_, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(&properties_);
    buttons->addStretch(1);
    buttons->addWidget(&close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(&list_, 1);
    layout->addWidget(&videoLine_);
    layout->addLayout(buttons);
    videoLine_.hide();
    videoTimer_.setInterval(kVideoLineMs);
    connect(&videoTimer_, &QTimer::timeout, this, &CFilterDialog::RefreshVideoLine);
    resize(320, 260);

    fade_.setDuration(kFadeMs);
    connect(&fade_, &QPropertyAnimation::finished, this, [this] {
        if (fadingOut_) {
            fadingOut_ = false;
            hide();
        }
    });
}

void CFilterDialog::RefreshFilters() {
    list_.clear();
    list_.addItems(FilterList::Items(engine_));
    RefreshVideoLine();
}

void CFilterDialog::RefreshVideoLine() {
    const QString line = FilterList::VideoLine(engine_);
    videoLine_.setText(line);
    videoLine_.setVisible(!line.isEmpty());
}

void CFilterDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    RefreshVideoLine();
    videoTimer_.start();
}

void CFilterDialog::selectionChanged() {
    QListWidgetItem* item = list_.currentItem();
    QList<FilterProperty> properties;
    // A filter that is not (or no longer) in the graph leaves the button as it is.
    if (item != nullptr && engine_.GetFilterProperties(item->text(), properties)) {
        properties_.setEnabled(!properties.isEmpty());
    }
}

void CFilterDialog::ShowFilterProperties() {
    QListWidgetItem* item = list_.currentItem();
    QList<FilterProperty> properties;
    if (item == nullptr || !engine_.GetFilterProperties(item->text(), properties) ||
        properties.isEmpty()) {
        return;
    }
    if (page_ != nullptr) {
        page_->close();
    }
    page_ = new CPropertyPage(engine_, item->text(), properties, this);
    page_->setAttribute(Qt::WA_DeleteOnClose);
    page_->move(frameGeometry().topLeft());
    page_->open();  // modal to this dialog; playback goes on
}

bool CFilterDialog::Toggle() {
    const bool show = !isVisible() || fadingOut_;
    fade_.stop();
    if (show) {
        fadingOut_ = false;
        if (!isVisible()) {
            setWindowOpacity(0.0);
            QDialog::show();
        }
        raise();
        activateWindow();
        fade_.setEndValue(1.0);
    } else {
        fadingOut_ = true;
        fade_.setEndValue(0.0);
    }
    fade_.setStartValue(windowOpacity());
    fade_.start();
    return show;
}

void CFilterDialog::FinishFade() {
    if (fade_.state() == QAbstractAnimation::Running) {
        fade_.setCurrentTime(fade_.duration());
    }
}

void CFilterDialog::hideEvent(QHideEvent* event) {
    videoTimer_.stop();
    if (page_ != nullptr) {
        page_->close();
    }
    QDialog::hideEvent(event);
}

// The main window acts on the press of some keys and on the release of others
// (letters, Space, Home, End), so both go there. Escape closes the dialog.
void CFilterDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || keyTarget_ == nullptr) {
        QDialog::keyPressEvent(event);
        return;
    }
    ForwardKey(keyTarget_, *event);
}

void CFilterDialog::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || keyTarget_ == nullptr) {
        QDialog::keyReleaseEvent(event);
        return;
    }
    ForwardKey(keyTarget_, *event);
}
