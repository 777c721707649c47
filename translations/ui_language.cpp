#include "translations/ui_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

constexpr const char* kCatalogue = "velorine";

// The first non-empty variable in the order the C library gives them weight.
QString firstSet(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty()) {
            return value;
        }
    }
    return {};
}

// "zh_TW.UTF-8@x" -> "zh_TW"; "C" and "POSIX" mean no language at all.
QString languagePart(QString value) {
    value = value.section(u'.', 0, 0).section(u'@', 0, 0);
    if (value == u"C" || value == u"POSIX") {
        return {};
    }
    return value;
}

}  // namespace

QStringList TranslationFolders(const QString& applicationDir) {
    QStringList folders;
    const QString fromEnvironment = qEnvironmentVariable("VELORINE_TRANSLATIONS_DIR");
    if (!fromEnvironment.isEmpty()) {
        folders << fromEnvironment;
    }
    if (!applicationDir.isEmpty()) {
        folders << QDir(applicationDir).filePath(QStringLiteral("../share/velorine/translations"));
    }
#ifdef VELORINE_BUILD_TRANSLATIONS_DIR
    folders << QStringLiteral(VELORINE_BUILD_TRANSLATIONS_DIR);
#endif
    return folders;
}

QLocale MessagesLocale() {
    const QString messages = languagePart(firstSet({"LC_ALL", "LC_MESSAGES", "LANG"}));
    // LANGUAGE is honoured only for a real locale, as gettext does.
    if (!messages.isEmpty()) {
        const QString preferred =
            languagePart(qEnvironmentVariable("LANGUAGE").section(u':', 0, 0));
        return QLocale(preferred.isEmpty() ? messages : preferred);
    }
    return QLocale::c();
}

bool InstallUiTranslators(QCoreApplication& app, const QLocale& locale) {
    // As gettext: the C locale means no translation whatever LANGUAGE says. English
    // finds no catalogue and keeps the texts as written.
    if (locale.language() == QLocale::C) {
        return false;
    }
    bool found = false;
    auto* own = new QTranslator(&app);
    for (const QString& folder : TranslationFolders(QCoreApplication::applicationDirPath())) {
        if (own->load(locale, QString::fromLatin1(kCatalogue), QStringLiteral("_"), folder)) {
            found = QCoreApplication::installTranslator(own);
            break;
        }
    }
    if (!found) {
        delete own;
    }
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    return found;
}
