#pragma once

#include <QString>
#include <QUrl>

// The file: URL of a local path, byte for byte: the path's bytes (as
// LocalPathBytes gives them) are percent-encoded, so a name that is not UTF-8
// reaches the program that opens it unchanged.
QUrl LocalFileUrl(const QString& path);
