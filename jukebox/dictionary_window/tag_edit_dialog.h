#pragma once

#include <QDialog>
#include <array>

#include "jukebox/dictionary_window/tag_edit_fields.h"

class QCheckBox;
class QLineEdit;

// The tag editor: six texts of dictionary rows, each with a "Change" box that
// any edit of its text ticks, so that only what the user touched is written.
// The dialog only collects the fields; TagEditFields decides what they change.
class CTagEditDialog : public QDialog {
    Q_OBJECT
public:
    explicit CTagEditDialog(const TagEditFields& fields, QWidget* parent = nullptr);

    // The texts and ticks as they stand now.
    TagEditFields fields() const;

    QLineEdit& edit(int field) { return *edits_[static_cast<std::size_t>(field)]; }
    QCheckBox& changeBox(int field) { return *boxes_[static_cast<std::size_t>(field)]; }

private:
    QString caption_;
    std::array<QLineEdit*, TagEditFields::kFieldCount> edits_{};
    std::array<QCheckBox*, TagEditFields::kFieldCount> boxes_{};
};
