#include "jukebox/filters_dialog/property_form.h"

#include <cstdlib>
#include <utility>

namespace {

// 64-bit limits and values compare exactly as long double (64-bit mantissa).
bool readNumber(const QString& text, bool integer, long double& number) {
    const QByteArray bytes = text.trimmed().toUtf8();
    if (bytes.isEmpty()) {
        return false;
    }
    char* end = nullptr;
    number = integer ? static_cast<long double>(std::strtoll(bytes.constData(), &end, 10))
                     : std::strtold(bytes.constData(), &end);
    if (integer && bytes.front() != '-') {
        // Above the signed range (guint64 maxima) strtoll saturates.
        number = static_cast<long double>(std::strtoull(bytes.constData(), &end, 10));
    }
    return end != nullptr && *end == '\0';
}

}  // namespace

PropertyForm::PropertyForm(QList<FilterProperty> properties) : properties_(std::move(properties)) {
    for (const FilterProperty& property : properties_) {
        values_.append(property.value);
    }
}

PropertyForm::FieldKind PropertyForm::KindOf(const FilterProperty& property) {
    switch (property.kind) {
        case FilterProperty::Boolean:
            return CheckBox;
        case FilterProperty::Integer:
        case FilterProperty::Real:
            return NumberEdit;
        case FilterProperty::Choice:
            return ChoiceList;
        case FilterProperty::Flags:
            return FlagBoxes;
        default:
            return TextEdit;
    }
}

QString PropertyForm::hint(int row) const {
    const FilterProperty& p = properties_.at(row);
    if (KindOf(p) != NumberEdit || p.minimum.isEmpty()) {
        return {};
    }
    return QStringLiteral("%1 ... %2").arg(p.minimum, p.maximum);
}

QString PropertyForm::BooleanText(bool on) {
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

QStringList PropertyForm::FlagsOf(const QString& value) {
    // A set without any named flag is written as its number.
    bool numeric = false;
    value.toULongLong(&numeric);
    return numeric ? QStringList() : value.split(u'+', Qt::SkipEmptyParts);
}

QString PropertyForm::FlagsText(const QStringList& on) {
    return on.isEmpty() ? QStringLiteral("0") : on.join(u'+');
}

QString PropertyForm::problem(int row) const {
    const FilterProperty& p = properties_.at(row);
    if (KindOf(p) != NumberEdit) {
        return {};
    }
    const bool integer = p.kind == FilterProperty::Integer;
    long double number = 0;
    long double low = 0;
    long double high = 0;
    if (!readNumber(values_.at(row), integer, number)) {
        return QStringLiteral("%1: \"%2\" is not a number").arg(p.name, values_.at(row));
    }
    if (readNumber(p.minimum, integer, low) && readNumber(p.maximum, integer, high) &&
        (number < low || number > high)) {
        return QStringLiteral("%1: %2 is outside %3").arg(p.name, values_.at(row), hint(row));
    }
    return {};
}

QList<QPair<QString, QString>> PropertyForm::changes() const {
    QList<QPair<QString, QString>> changed;
    for (int row = 0; row < size(); ++row) {
        if (editable(row) && values_.at(row) != properties_.at(row).value) {
            changed.append({properties_.at(row).name, values_.at(row)});
        }
    }
    return changed;
}
