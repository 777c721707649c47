#pragma once

#include <QByteArray>
#include <QString>

class QUrl;

// Path helpers on text. Both "\" and "/" count as separators, so paths typed or
// stored in either form work; the system itself joins paths with "/".

// The text after the last separator; the whole text when there is none.
QString FileNamePart(const QString& path);
// The text after the last "."; the whole text when there is none.
QString ExtensionPart(const QString& text);
// The text up to and including the last separator; empty when there is none.
QString FolderPart(const QString& path);
// True when the text begins with "http" in any case.
bool IsHttpAddress(const QString& path);
// True when something of that name exists in its folder.
bool FileExists(const QString& path);
// folder + "/" + name, as folder walks join them (a trailing separator is kept,
// so "a/" gives "a//name").
QString JoinPath(const QString& folder, const QString& name);

// Paths are bytes on Linux. These convert without loss between a path's bytes
// and its text (bytes that are not UTF-8 travel as U+DC80..U+DCFF), so a file
// with a name in GBK or Big5 bytes is found again; never use a lossy decode.
QByteArray LocalPathBytes(const QString& path);
QString PathFromLocalBytes(const QByteArray& bytes);
// The local path of a dropped file's URL, byte for byte; empty for other URLs.
QString LocalPathOfUrl(const QUrl& url);
