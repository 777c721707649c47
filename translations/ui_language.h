#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

// The texts of the three programs are written in English in the code; a catalogue
// per language ("velorine_zh_CN.qm", ...) holds their translations. Each program
// installs the catalogue of the user's language before it builds its windows, so
// that every text it shows comes out in that language. English (and every
// language without a catalogue) keeps the texts as written.

// Where the catalogues are looked up, first match wins: the folder named by
// VELORINE_TRANSLATIONS_DIR, the install's share/velorine/translations beside the
// program's bin folder, and the build tree's translations folder.
QStringList TranslationFolders(const QString& applicationDir);

// The user's language as the locale variables say it (LC_ALL, then LC_MESSAGES,
// then LANG; LANGUAGE first of all when it names a language): what Qt's
// QLocale::system() reads for a window program too, spelled out for the console
// program, which must not depend on how Qt was started.
QLocale MessagesLocale();

// Installs on app the program's catalogue for locale and, where Qt's own
// translations are present, Qt's (the texts of its standard dialogs and buttons).
// True when the program's catalogue was found; false leaves the English texts.
bool InstallUiTranslators(QCoreApplication& app, const QLocale& locale);
