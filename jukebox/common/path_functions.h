#pragma once

#include <QString>

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
