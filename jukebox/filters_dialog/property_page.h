#pragma once

#include <QDialog>
#include <QLabel>
#include <QList>
#include <functional>
#include <vector>

#include "jukebox/filters_dialog/property_form.h"

class MediaEngine;

// One filter's properties as a page of fields: a box for a boolean, an edit
// with its range for a number, a list for an enumeration, a box per flag, an
// edit for text. A field the filter does not let change now is read-only. OK
// sets the changed values on the playing filter through the engine and closes;
// a value the filter refuses keeps the page open with the reason below.
class CPropertyPage : public QDialog {
    Q_OBJECT
public:
    CPropertyPage(MediaEngine& engine, const QString& filter, QList<FilterProperty> properties,
                  QWidget* parent = nullptr);

    // What OK does: true when every changed value was taken (the page then closes).
    bool Apply();

    const PropertyForm& form() const { return form_; }
    // The widget that shows row of the form.
    QWidget* field(int row) const { return fields_.at(row).widget; }
    QString errorText() const { return error_.text(); }

private:
    struct Field {
        QWidget* widget;
        std::function<QString()> read;
    };

    Field makeField(int row);
    Field makeFlags(int row);
    void readFields();

    MediaEngine& engine_;
    QString filter_;
    PropertyForm form_;
    std::vector<Field> fields_;
    QLabel error_;
};
