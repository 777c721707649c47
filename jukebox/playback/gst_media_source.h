#pragma once

#include <QByteArray>
#include <QString>

#include "jukebox/playback/media_graph.h"

// What a playbin is given for a path or an address.
struct GstMediaSource {
    QByteArray uri;
    QByteArray localFile;  // the bytes of a local file's path; empty for other addresses
};

// Addresses ("http://...", "file://...") are played as they are, paths as local
// files, named by their bytes so that names that are not UTF-8 are found. A local
// file must be a regular file: the pipeline opens it inside a state change, where a
// FIFO would wait for a writer for ever. Returns kGraphOk, or a failure code with
// its text in error.
GraphResult ResolveGstMediaSource(const QString& path, GstMediaSource& source, QString& error);
