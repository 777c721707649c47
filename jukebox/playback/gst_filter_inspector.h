#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "jukebox/playback/filter_property.h"

typedef struct _GstElement GstElement;

// What the filters dialog shows of a GStreamer pipeline: its elements that take
// input, and their properties as editable text.
class GstFilterInspector {
public:
    // The elements inside bin, at any depth, that have at least one sink pad, sorted.
    // An element is listed by its name; where two share a name, each is listed as
    // "parent/name" so that every entry finds exactly one element.
    static QStringList filterNames(GstElement* bin);
    // The element listed under name, with a reference the caller drops; null if none.
    static GstElement* findFilter(GstElement* bin, const QString& name);

    // The readable properties of element, without those that only describe its
    // place in the pipeline or how it changes state.
    static QList<FilterProperty> properties(GstElement* element);
    // Sets one property from its text form. False, with the reason in error, when the
    // property is unknown, cannot be changed in the element's present state, or the
    // text is not a value it accepts.
    static bool setProperty(GstElement* element, const QString& property, const QString& value,
                            QString& error);
};
