#include "jukebox/ui/message_window.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "jukebox/ui/window_system.h"

CMessageWindow::CMessageWindow(QWidget* owner)
    : QWidget(owner, Qt::Dialog), text_(new QLabel(this)), earlierLine_(new QLabel(this)) {
    setObjectName(QStringLiteral("messageWindow"));
    setWindowTitle(QApplication::applicationDisplayName());
    setAttribute(Qt::WA_ShowWithoutActivating);
    text_->setObjectName(QStringLiteral("messageText"));
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setMinimumWidth(280);
    earlierLine_->setObjectName(QStringLiteral("earlierMessages"));
    earlierLine_->setEnabled(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QWidget::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(earlierLine_);
    layout->addWidget(buttons);
    earlierLine_->hide();
}

void CMessageWindow::showText(const QString& text) {
    if (hasText_ && isVisible()) {
        ++earlier_;
    }
    hasText_ = true;
    text_->setText(text);
    earlierLine_->setText(earlier_ == 1 ? tr("1 earlier message")
                                        : tr("%1 earlier messages").arg(earlier_));
    earlierLine_->setVisible(earlier_ > 0);
    adjustSize();
    if (!isVisible()) {
        placeBesideOwner();
        show();
    }
    raise();
}

// Below the owner where the screen has room, else above it: never over the
// face the user is working with.
void CMessageWindow::placeBesideOwner() {
    const QWidget* owner = parentWidget();
    if (owner == nullptr || !owner->isVisible() || owner->screen() == nullptr ||
        CompositorPlacesWindows()) {
        return;
    }
    const QRect face = owner->frameGeometry();
    const QRect area = owner->screen()->availableGeometry();
    const QSize size = frameGeometry().size().expandedTo(sizeHint());
    const int x =
        std::clamp(face.left(), area.left(), std::max(area.left(), area.right() - size.width()));
    if (face.bottom() + size.height() <= area.bottom()) {
        move(x, face.bottom() + 1);
    } else if (face.top() - size.height() >= area.top()) {
        move(x, face.top() - size.height());
    }
}

QString CMessageWindow::text() const {
    return text_->text();
}

void CMessageWindow::hideEvent(QHideEvent* event) {
    earlier_ = 0;
    QWidget::hideEvent(event);
}

void CMessageWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}
