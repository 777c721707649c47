#include "jukebox/dictionary_window/tag_edit_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CTagEditDialog::CTagEditDialog(const TagEditFields& fields, QWidget* parent)
    : QDialog(parent), caption_(fields.caption) {
    setObjectName(QStringLiteral("tagEditDialog"));
    setWindowTitle(fields.caption);
    auto* grid = new QGridLayout(this);
    for (int field = 0; field < TagEditFields::kFieldCount; ++field) {
        const auto at = static_cast<std::size_t>(field);
        auto* edit = new QLineEdit(fields.texts[at], this);
        edit->setMinimumWidth(260);
        auto* box = new QCheckBox(QCoreApplication::translate("CDictionaryWnd", "Change"), this);
        box->setChecked(fields.change[at]);
        // Only the user's typing ticks the box, not the texts filled in above.
        connect(edit, &QLineEdit::textEdited, box, [box] { box->setChecked(true); });
        auto* label = new QLabel(TagEditFields::Label(field), this);
        label->setBuddy(edit);
        grid->addWidget(label, field, 0);
        grid->addWidget(edit, field, 1);
        grid->addWidget(box, field, 2);
        edits_[at] = edit;
        boxes_[at] = box;
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, TagEditFields::kFieldCount, 0, 1, 3);
}

TagEditFields CTagEditDialog::fields() const {
    TagEditFields result;
    result.caption = caption_;
    for (std::size_t at = 0; at < edits_.size(); ++at) {
        result.texts[at] = edits_[at]->text();
        result.change[at] = boxes_[at]->isChecked();
    }
    return result;
}
