#include "jukebox/playback/gst_filter_inspector.h"

#include <gst/gst.h>

#include <QHash>
#include <algorithm>
#include <vector>

namespace {

struct Listed {
    QString name;
    GstElement* element;  // one reference held
};

QString objectName(GstObject* object) {
    gchar* name = gst_object_get_name(object);
    QString text = QString::fromUtf8(name);
    g_free(name);
    return text;
}

// An element with at least one input. The pad lists change under the object
// lock, so the count is read under it too.
bool hasSinkPad(GstElement* element) {
    GST_OBJECT_LOCK(element);
    bool has = element->numsinkpads > 0;
    GST_OBJECT_UNLOCK(element);
    return has;
}

void releaseAll(std::vector<Listed>& listed) {
    for (Listed& entry : listed) {
        gst_object_unref(entry.element);
    }
    listed.clear();
}

// Every element with an input, named as the list shows it.
std::vector<Listed> listFilters(GstElement* bin) {
    std::vector<Listed> listed;
    if (bin == nullptr || !GST_IS_BIN(bin)) {
        return listed;
    }
    GstIterator* it = gst_bin_iterate_recurse(GST_BIN_CAST(bin));
    GValue item = G_VALUE_INIT;
    for (bool done = false; !done;) {
        switch (gst_iterator_next(it, &item)) {
            case GST_ITERATOR_OK: {
                auto* element = static_cast<GstElement*>(g_value_get_object(&item));
                if (hasSinkPad(element)) {
                    listed.push_back({objectName(GST_OBJECT_CAST(element)),
                                      static_cast<GstElement*>(gst_object_ref(element))});
                }
                g_value_reset(&item);
                break;
            }
            case GST_ITERATOR_RESYNC:
                // The bin changed while we walked it: start again.
                releaseAll(listed);
                gst_iterator_resync(it);
                break;
            default:
                done = true;
                break;
        }
    }
    g_value_unset(&item);
    gst_iterator_free(it);

    QHash<QString, int> uses;
    for (const Listed& entry : listed) {
        ++uses[entry.name];
    }
    for (Listed& entry : listed) {
        if (uses.value(entry.name) > 1) {
            GstObject* parent = gst_object_get_parent(GST_OBJECT_CAST(entry.element));
            if (parent != nullptr) {
                entry.name = objectName(parent) + u'/' + entry.name;
                gst_object_unref(parent);
            }
        }
    }
    std::sort(listed.begin(), listed.end(), [](const Listed& a, const Listed& b) {
        int order = a.name.compare(b.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    return listed;
}

// Properties that say where an element sits or steer its state changes; changing
// them from a property page would break the pipeline.
bool isHidden(const char* name) {
    static const char* const hidden[] = {"name",  "parent",         "sync",
                                         "async", "async-handling", "message-forward"};
    return std::any_of(std::begin(hidden), std::end(hidden),
                       [name](const char* h) { return g_strcmp0(h, name) == 0; });
}

bool changeableNow(GstElement* element, const GParamSpec* spec) {
    if ((spec->flags & G_PARAM_WRITABLE) == 0 || (spec->flags & G_PARAM_CONSTRUCT_ONLY) != 0) {
        return false;
    }
    GstState current = GST_STATE_NULL;
    gst_element_get_state(element, &current, nullptr, 0);
    if ((spec->flags & GST_PARAM_MUTABLE_PLAYING) != 0) {
        return true;
    }
    if ((spec->flags & GST_PARAM_MUTABLE_PAUSED) != 0) {
        return current <= GST_STATE_PAUSED;
    }
    if ((spec->flags & GST_PARAM_MUTABLE_READY) != 0) {
        return current <= GST_STATE_READY;
    }
    return true;
}

QString serialized(const GValue* value) {
    gchar* text = gst_value_serialize(value);
    QString result = QString::fromUtf8(text);
    g_free(text);
    return result;
}

template <typename Spec>
void setRange(FilterProperty& property, const GParamSpec* spec) {
    const auto* typed = reinterpret_cast<const Spec*>(spec);
    property.minimum = QString::number(typed->minimum);
    property.maximum = QString::number(typed->maximum);
}

void describeNumber(FilterProperty& property, const GParamSpec* spec) {
    GType type = G_PARAM_SPEC_TYPE(spec);
    property.kind = FilterProperty::Integer;
    if (type == G_TYPE_PARAM_INT) {
        setRange<GParamSpecInt>(property, spec);
    } else if (type == G_TYPE_PARAM_UINT) {
        setRange<GParamSpecUInt>(property, spec);
    } else if (type == G_TYPE_PARAM_LONG) {
        setRange<GParamSpecLong>(property, spec);
    } else if (type == G_TYPE_PARAM_ULONG) {
        setRange<GParamSpecULong>(property, spec);
    } else if (type == G_TYPE_PARAM_INT64) {
        setRange<GParamSpecInt64>(property, spec);
    } else if (type == G_TYPE_PARAM_UINT64) {
        setRange<GParamSpecUInt64>(property, spec);
    } else if (type == G_TYPE_PARAM_FLOAT) {
        property.kind = FilterProperty::Real;
        setRange<GParamSpecFloat>(property, spec);
    } else if (type == G_TYPE_PARAM_DOUBLE) {
        property.kind = FilterProperty::Real;
        setRange<GParamSpecDouble>(property, spec);
    } else {
        property.kind = FilterProperty::Other;
    }
}

void describeEnum(FilterProperty& property, const GValue* value) {
    auto* klass = static_cast<GEnumClass*>(g_type_class_ref(G_VALUE_TYPE(value)));
    for (guint i = 0; i < klass->n_values; ++i) {
        property.choices.append(QString::fromUtf8(klass->values[i].value_nick));
    }
    GEnumValue* current = g_enum_get_value(klass, g_value_get_enum(value));
    property.value = current != nullptr ? QString::fromUtf8(current->value_nick)
                                        : QString::number(g_value_get_enum(value));
    g_type_class_unref(klass);
}

void describeFlags(FilterProperty& property, const GValue* value) {
    auto* klass = static_cast<GFlagsClass*>(g_type_class_ref(G_VALUE_TYPE(value)));
    guint set = g_value_get_flags(value);
    QStringList on;
    for (guint i = 0; i < klass->n_values; ++i) {
        const GFlagsValue& flag = klass->values[i];
        property.choices.append(QString::fromUtf8(flag.value_nick));
        if (flag.value != 0 && (set & flag.value) == flag.value) {
            on.append(QString::fromUtf8(flag.value_nick));
        }
    }
    property.value = on.isEmpty() ? QString::number(set) : on.join(u'+');
    g_type_class_unref(klass);
}

FilterProperty describe(GstElement* element, GParamSpec* spec) {
    FilterProperty property;
    property.name = QString::fromUtf8(spec->name);
    property.typeName = QString::fromUtf8(g_type_name(spec->value_type));
    property.description = QString::fromUtf8(g_param_spec_get_blurb(spec));

    GValue value = G_VALUE_INIT;
    g_value_init(&value, spec->value_type);
    g_object_get_property(G_OBJECT(element), spec->name, &value);
    switch (G_TYPE_FUNDAMENTAL(spec->value_type)) {
        case G_TYPE_BOOLEAN:
            property.kind = FilterProperty::Boolean;
            property.value =
                g_value_get_boolean(&value) ? QStringLiteral("true") : QStringLiteral("false");
            break;
        case G_TYPE_STRING:
            property.kind = FilterProperty::Text;
            property.value = QString::fromUtf8(g_value_get_string(&value));
            break;
        case G_TYPE_ENUM:
            property.kind = FilterProperty::Choice;
            describeEnum(property, &value);
            break;
        case G_TYPE_FLAGS:
            property.kind = FilterProperty::Flags;
            describeFlags(property, &value);
            break;
        case G_TYPE_OBJECT: {
            auto* object = static_cast<GObject*>(g_value_get_object(&value));
            if (object != nullptr && GST_IS_OBJECT(object)) {
                property.value = objectName(GST_OBJECT_CAST(object));
            }
            break;
        }
        default:
            describeNumber(property, spec);
            // Serialising an empty boxed value (a sample, caps) is not allowed.
            if (G_TYPE_FUNDAMENTAL(spec->value_type) != G_TYPE_POINTER &&
                !(G_VALUE_HOLDS_BOXED(&value) && g_value_get_boxed(&value) == nullptr)) {
                property.value = serialized(&value);
            }
            break;
    }
    g_value_unset(&value);
    // Boxed values and objects are shown as text only.
    property.changeableNow = property.kind != FilterProperty::Other && changeableNow(element, spec);
    return property;
}

}  // namespace

QStringList GstFilterInspector::filterNames(GstElement* bin) {
    std::vector<Listed> listed = listFilters(bin);
    QStringList names;
    for (const Listed& entry : listed) {
        names.append(entry.name);
    }
    releaseAll(listed);
    return names;
}

GstElement* GstFilterInspector::findFilter(GstElement* bin, const QString& name) {
    std::vector<Listed> listed = listFilters(bin);
    GstElement* found = nullptr;
    for (const Listed& entry : listed) {
        if (found == nullptr && entry.name == name) {
            found = static_cast<GstElement*>(gst_object_ref(entry.element));
        }
    }
    releaseAll(listed);
    return found;
}

QList<FilterProperty> GstFilterInspector::properties(GstElement* element) {
    QList<FilterProperty> result;
    guint count = 0;
    GParamSpec** specs = g_object_class_list_properties(G_OBJECT_GET_CLASS(element), &count);
    for (guint i = 0; i < count; ++i) {
        GParamSpec* spec = specs[i];
        if ((spec->flags & G_PARAM_READABLE) != 0 && !isHidden(spec->name)) {
            result.append(describe(element, spec));
        }
    }
    g_free(specs);
    return result;
}

bool GstFilterInspector::setProperty(GstElement* element, const QString& property,
                                     const QString& value, QString& error) {
    QByteArray name = property.toUtf8();
    GParamSpec* spec = g_object_class_find_property(G_OBJECT_GET_CLASS(element), name.constData());
    if (spec == nullptr || isHidden(spec->name) || (spec->flags & G_PARAM_READABLE) == 0) {
        error = QStringLiteral("The filter has no property \"%1\"").arg(property);
        return false;
    }
    FilterProperty described = describe(element, spec);
    if (!described.changeableNow) {
        error = QStringLiteral("The property \"%1\" cannot be changed now").arg(property);
        return false;
    }
    GValue parsed = G_VALUE_INIT;
    g_value_init(&parsed, spec->value_type);
    // The framework reads an empty text as 0; only a text property may be empty.
    bool ok = (described.kind == FilterProperty::Text || !value.trimmed().isEmpty()) &&
              gst_value_deserialize(&parsed, value.toUtf8().constData()) != FALSE;
    // g_param_value_validate returns TRUE when it had to change the value to fit.
    if (ok && g_param_value_validate(spec, &parsed)) {
        ok = false;
    }
    if (ok) {
        g_object_set_property(G_OBJECT(element), spec->name, &parsed);
    } else {
        error = QStringLiteral("\"%1\" is not a value of the property \"%2\"").arg(value, property);
    }
    g_value_unset(&parsed);
    return ok;
}
