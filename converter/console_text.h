#pragma once

#include <QtGlobal>
#include <initializer_list>
#include <string>
#include <string_view>

// Pellimorph's messages (marked QT_TRANSLATE_NOOP("Pellimorph", ...) for lupdate) in the user's
// language, as UTF-8 for the terminal. Without an installed translation (or without an application
// object) the English source comes back unchanged, so output checked by scripts stays as it was.
std::string Tr(const char* source);

// text with %1, %2, ... replaced by the values in one pass, byte for byte: a path
// need not be UTF-8, so it never goes through QString, and a "%2" inside a value
// stays as it is. A marker without a value stays too.
std::string Arg(std::string_view text, std::initializer_list<std::string_view> values);
