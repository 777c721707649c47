#pragma once

#include <QString>
#include <QStringList>

// One property of a filter, as its property page shows it.
struct FilterProperty {
    enum Kind { Boolean, Integer, Real, Text, Choice, Flags, Other };

    QString name;
    QString typeName;  // the framework's own type name ("gint", "GstAudioPanoramaMethod")
    Kind kind = Other;
    QString value;    // the text form, as SetFilterProperty takes it
    QString minimum;  // Integer and Real only
    QString maximum;
    QStringList choices;  // Choice: the one value to pick; Flags: any of them, joined by "+"
    QString description;
    bool changeableNow = false;  // writable, and allowed in the graph's present state

    friend bool operator==(const FilterProperty&, const FilterProperty&) = default;
};
