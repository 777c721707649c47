#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include "jukebox/playback/filter_property.h"

// The property page of one filter as plain data: which kind of field shows each
// property, whether it may be edited, and the text forms the fields read and
// write. The page's widgets only carry these values; the engine takes the
// changed ones back as text.
class PropertyForm {
public:
    enum FieldKind { CheckBox, NumberEdit, ChoiceList, FlagBoxes, TextEdit };

    explicit PropertyForm(QList<FilterProperty> properties);

    int size() const { return static_cast<int>(properties_.size()); }
    const FilterProperty& property(int row) const { return properties_.at(row); }
    FieldKind kind(int row) const { return KindOf(properties_.at(row)); }
    bool editable(int row) const { return properties_.at(row).changeableNow; }
    // What the field shows next to the value: the range of a number, else empty.
    QString hint(int row) const;

    // The value the field holds now, as text; starts as the filter's own value.
    const QString& value(int row) const { return values_.at(row); }
    void setValue(int row, const QString& value) { values_[row] = value; }

    // Why the value in row cannot be set (not a number, out of range), or empty.
    QString problem(int row) const;
    // The editable properties whose value differs from the filter's, in order, as
    // (name, value) for the engine.
    QList<QPair<QString, QString>> changes() const;

    static FieldKind KindOf(const FilterProperty& property);
    // Booleans and flag sets between their text form and the boxes that show them.
    static bool IsTrue(const QString& value) { return value == QLatin1String("true"); }
    static QString BooleanText(bool on);
    static QStringList FlagsOf(const QString& value);
    static QString FlagsText(const QStringList& on);

private:
    QList<FilterProperty> properties_;
    QStringList values_;
};
