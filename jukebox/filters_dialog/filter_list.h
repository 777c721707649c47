#pragma once

#include <QStringList>

class MediaEngine;

// The lines of the filters dialog's list for the engine's current graph: the
// filters that take input, sorted, each name cut to the list's limit; one
// "<ERROR>" line when the graph cannot list its filters (or there is none).
class FilterList {
public:
    static constexpr int kMaxNameLength = 128;

    static QStringList Items(MediaEngine& engine);
    // How the current file's picture fares ("Video: 297 frames shown, 3 dropped
    // (ximagesink)"); empty without a picture.
    static QString VideoLine(MediaEngine& engine);
    static QString ErrorItem() { return QStringLiteral("<ERROR>"); }
};
