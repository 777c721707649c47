#include "jukebox/ui/prompt_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CPromptDialog::CPromptDialog(QWidget* parent)
    : QDialog(parent), promptLabel_(new QLabel(this)), edit_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("promptDialog"));
    edit_->setObjectName(QStringLiteral("promptEdit"));
    edit_->setMinimumWidth(260);
    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    buttons->addButton(QDialogButtonBox::Cancel);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(promptLabel_, 0, 0);
    layout->addWidget(edit_, 1, 0);
    layout->addWidget(buttons, 0, 1, 3, 1);
    layout->setRowStretch(2, 1);
    setLayout(layout);
}

void CPromptDialog::setCaption(const QString& caption) {
    setWindowTitle(caption);
}
void CPromptDialog::setPrompt(const QString& prompt) {
    promptLabel_->setText(prompt);
}
void CPromptDialog::setText(const QString& text) {
    edit_->setText(text);
}
QString CPromptDialog::text() const {
    return edit_->text();
}

void CPromptDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    edit_->selectAll();
    edit_->setFocus();
}

bool CPromptDialog::ask(QString& text) {
    setText(text);
    if (exec() != QDialog::Accepted) {
        return false;
    }
    text = edit_->text();
    return true;
}
