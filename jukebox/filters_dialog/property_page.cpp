#include "jukebox/filters_dialog/property_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPalette>
#include <QScrollArea>
#include <QVBoxLayout>
#include <utility>

#include "jukebox/playback/media_engine.h"

namespace {

constexpr int kWidth = 520;
constexpr int kMaxHeight = 520;

// A read-only value reads as plain text (it can still be selected and copied),
// so that it does not pass for a field to type into.
QLineEdit* lineEdit(const QString& value, bool editable) {
    auto* edit = new QLineEdit(value);
    edit->setReadOnly(!editable);
    edit->setCursorPosition(0);
    if (!editable) {
        edit->setFrame(false);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        edit->setPalette(palette);
    }
    return edit;
}

}  // namespace

CPropertyPage::CPropertyPage(MediaEngine& engine, const QString& filter,
                             QList<FilterProperty> properties, QWidget* parent)
    : QDialog(parent), engine_(engine), filter_(filter), form_(std::move(properties)) {
    setWindowTitle(filter);
    auto* fields = new QWidget;
    auto* rows = new QFormLayout(fields);
    rows->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (int row = 0; row < form_.size(); ++row) {
        fields_.push_back(makeField(row));
        const FilterProperty& p = form_.property(row);
        auto* label = new QLabel(p.name);
        label->setToolTip(QStringLiteral("%1 (%2)").arg(p.description, p.typeName));
        fields_.back().widget->setToolTip(label->toolTip());
        rows->addRow(label, fields_.back().widget);
    }
    auto* scroll = new QScrollArea;
    scroll->setWidget(fields);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    error_.setWordWrap(true);
    error_.setStyleSheet(QStringLiteral("color: #b00000"));
    error_.hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (Apply()) {
            accept();
        }
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addWidget(&error_);
    layout->addWidget(buttons);
    const int wanted = fields->sizeHint().height() + buttons->sizeHint().height() + 40;
    resize(kWidth, qMin(wanted, kMaxHeight));
}

CPropertyPage::Field CPropertyPage::makeField(int row) {
    const FilterProperty& p = form_.property(row);
    const bool editable = form_.editable(row);
    switch (form_.kind(row)) {
        case PropertyForm::CheckBox: {
            auto* box = new QCheckBox;
            box->setChecked(PropertyForm::IsTrue(p.value));
            box->setEnabled(editable);
            return {box, [box] { return PropertyForm::BooleanText(box->isChecked()); }};
        }
        case PropertyForm::ChoiceList: {
            auto* list = new QComboBox;
            list->addItems(p.choices);
            list->setCurrentIndex(static_cast<int>(p.choices.indexOf(p.value)));
            list->setEnabled(editable);
            // A value outside the list (none chosen) is sent back as it came.
            const QString original = p.value;
            return {list, [list, original] {
                        return list->currentIndex() < 0 ? original : list->currentText();
                    }};
        }
        case PropertyForm::FlagBoxes:
            return makeFlags(row);
        case PropertyForm::NumberEdit: {
            // The range goes under the edit: 64-bit limits would squeeze it beside.
            auto* box = new QWidget;
            auto* column = new QVBoxLayout(box);
            column->setContentsMargins(0, 0, 0, 0);
            column->setSpacing(0);
            QLineEdit* edit = lineEdit(p.value, editable);
            column->addWidget(edit);
            if (editable && !form_.hint(row).isEmpty()) {
                auto* range = new QLabel(form_.hint(row));
                range->setEnabled(false);  // the greyed text of a note
                range->setWordWrap(true);
                column->addWidget(range);
            }
            box->setFocusProxy(edit);
            return {box, [edit] { return edit->text(); }};
        }
        case PropertyForm::TextEdit:
            break;
    }
    QLineEdit* edit = lineEdit(p.value, editable);
    return {edit, [edit] { return edit->text(); }};
}

CPropertyPage::Field CPropertyPage::makeFlags(int row) {
    const FilterProperty& p = form_.property(row);
    auto* box = new QWidget;
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    const QStringList on = PropertyForm::FlagsOf(p.value);
    QList<QCheckBox*> boxes;
    for (const QString& flag : p.choices) {
        auto* check = new QCheckBox(flag);
        check->setChecked(on.contains(flag));
        column->addWidget(check);
        boxes.append(check);
    }
    box->setEnabled(form_.editable(row));
    const QString original = p.value;
    return {box, [boxes, original] {
                QStringList set;
                for (QCheckBox* check : boxes) {
                    if (check->isChecked()) {
                        set.append(check->text());
                    }
                }
                // Unchanged boxes give the value back as the filter wrote it.
                return PropertyForm::FlagsOf(original) == set ? original
                                                              : PropertyForm::FlagsText(set);
            }};
}

void CPropertyPage::readFields() {
    for (int row = 0; row < form_.size(); ++row) {
        if (form_.editable(row)) {
            form_.setValue(row, fields_.at(row).read());
        }
    }
}

bool CPropertyPage::Apply() {
    readFields();
    QStringList problems;
    for (int row = 0; row < form_.size(); ++row) {
        if (form_.editable(row) && form_.value(row) != form_.property(row).value) {
            const QString problem = form_.problem(row);
            if (!problem.isEmpty()) {
                problems.append(problem);
            }
        }
    }
    if (problems.isEmpty()) {
        for (const auto& [name, value] : form_.changes()) {
            if (!engine_.SetFilterProperty(filter_, name, value)) {
                problems.append(
                    QStringLiteral("%1: the filter did not take \"%2\"").arg(name, value));
            }
        }
    }
    error_.setText(problems.join(u'\n'));
    error_.setVisible(!problems.isEmpty());
    return problems.isEmpty();
}
