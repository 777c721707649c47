#include "jukebox/shell/app_settings.h"

#include <QFileInfo>
#include <QLatin1StringView>
#include <QSettings>
#include <algorithm>
#include <cstdio>

#include "jukebox/common/path_functions.h"
#include "jukebox/common/whole_file.h"
#include "taglib/tag_record.h"

namespace {

// Far beyond any desktop, yet far from overflowing when sizes and frames are added.
constexpr int kCoordinateLimit = 100000;
constexpr int kSizeLimit = 20000;

// The code pages the program reads tags in; any other stored number is no choice.
bool knownCodePage(int codePage) {
    for (int known : {GeneralSettings::kAutomaticCodePage, 0, 65001, 950, 936, 932, 949, 1252}) {
        if (codePage == known) {
            return true;
        }
    }
    return false;
}

// Where the settings file is, found without opening it: QSettings reads its
// file as soon as it is made, and a FIFO in its place would block for good. A
// settings object of another name, in the same folder, tells the folder.
QString settingsFilePath() {
    const QString probe =
        QSettings(QStringLiteral("Quillamo"), QStringLiteral("velorine.probe")).fileName();
    return QFileInfo(probe).absolutePath() + QStringLiteral("/velorine.conf");
}

// Something that is not a file where the settings file should be is neither
// read nor written.
bool settingsFileUsable() {
    return IsRegularOrMissing(settingsFilePath());
}

// The settings file of this user: ~/.config/Quillamo/velorine.conf on Linux.
class SettingsGroup {
public:
    SettingsGroup() : settings_(QStringLiteral("Quillamo"), QStringLiteral("velorine")) {
        settings_.beginGroup(QStringLiteral("Settings"));
    }

    QString fileName() const { return settings_.fileName(); }
    // Writes what was set; false when it did not reach the disk.
    bool commit() {
        settings_.sync();
        return settings_.status() == QSettings::NoError;
    }

    // A number that is absent or not a number gives fallback. Numbers come back
    // as text in a new process, so they are always converted with toInt().
    int number(const char* key, int fallback) const {
        const QVariant value = settings_.value(QLatin1StringView(key));
        bool ok = false;
        const int n = value.toInt(&ok);
        return value.isValid() && ok ? n : fallback;
    }
    // A number brought into lo..hi: a value edited by hand, or left by a screen
    // that is gone, must not overflow the arithmetic done with it.
    int number(const char* key, int fallback, int lo, int hi) const {
        return std::clamp(number(key, fallback), lo, hi);
    }
    bool flag(const char* key, bool fallback) const { return number(key, fallback ? 1 : 0) != 0; }
    QString text(const char* key, const QString& fallback) const {
        const QVariant value = settings_.value(QLatin1StringView(key));
        return value.isValid() ? value.toString() : fallback;
    }
    // A path is kept as text, unless its bytes are not UTF-8 (a name in GBK or Big5
    // bytes): text would keep U+FFFD for them, so those are kept as the bytes.
    QString path(const char* key, const QString& fallback) const {
        const QVariant value = settings_.value(QLatin1StringView(key));
        if (value.typeId() == QMetaType::QByteArray) {
            return PathFromLocalBytes(value.toByteArray());
        }
        return value.isValid() ? value.toString() : fallback;
    }
    // Both values of a pair are there, and numbers.
    bool has(const char* x, const char* y) const { return isNumber(x) && isNumber(y); }
    QPoint point(const char* x, const char* y, QPoint fallback) const {
        return {number(x, fallback.x(), -kCoordinateLimit, kCoordinateLimit),
                number(y, fallback.y(), -kCoordinateLimit, kCoordinateLimit)};
    }
    QSize size(const char* width, const char* height, QSize fallback) const {
        return {number(width, fallback.width(), 0, kSizeLimit),
                number(height, fallback.height(), 0, kSizeLimit)};
    }

    void setNumber(const char* key, int value) {
        settings_.setValue(QLatin1StringView(key), value);
    }
    void setFlag(const char* key, bool value) { setNumber(key, value ? 1 : 0); }
    void setText(const char* key, const QString& value) {
        settings_.setValue(QLatin1StringView(key), value);
    }
    void setPath(const char* key, const QString& path) {
        const QByteArray bytes = LocalPathBytes(path);
        if (QString::fromUtf8(bytes) == path) {
            setText(key, path);
        } else {
            settings_.setValue(QLatin1StringView(key), bytes);
        }
    }
    void setPoint(const char* x, const char* y, QPoint value) {
        setNumber(x, value.x());
        setNumber(y, value.y());
    }
    void setSize(const char* width, const char* height, QSize value) {
        setNumber(width, value.width());
        setNumber(height, value.height());
    }

private:
    bool isNumber(const char* key) const {
        bool ok = false;
        settings_.value(QLatin1StringView(key)).toInt(&ok);
        return ok;
    }

    QSettings settings_;
};

void loadWindows(const SettingsGroup& in, const AppSettings& defaults, AppSettings& out) {
    out.mainPos = in.point("MainX", "MainY", defaults.mainPos);
    out.playPos = in.point("PlayX", "PlayY", defaults.playPos);
    out.coverPos = in.point("CoverX", "CoverY", defaults.coverPos);
    out.coverSize = in.size("CoversizeX", "CoversizeY", defaults.coverSize);
    out.dictPos = in.point("DictX", "DictY", defaults.dictPos);
    out.dictSize = in.size("DictsizeX", "DictsizeY", defaults.dictSize);
    out.tlistPos = in.point("TlistX", "TlistY", defaults.tlistPos);
    out.tlistSize = in.size("TlistsizeX", "TlistsizeY", defaults.tlistSize);
    out.optionPos = in.point("OptionX", "OptionY", defaults.optionPos);
    out.stored.play = in.has("PlayX", "PlayY");
    out.stored.cover = in.has("CoverX", "CoverY");
    out.stored.dict = in.has("DictX", "DictY");
    out.stored.tlist = in.has("TlistX", "TlistY");
    out.stored.option = in.has("OptionX", "OptionY");
    out.tlistShown = in.flag("TlistShown", defaults.tlistShown);
    out.coverShown = in.flag("CoverShown", defaults.coverShown);
    out.dictShown = in.flag("DictShown", defaults.dictShown);
}

void loadTagPage(const SettingsGroup& in, const TagPageSettings& defaults, TagPageSettings& out) {
    using T = TagPageSettings;
    out.useMarlow = in.flag(T::kMarlowKey, defaults.useMarlow);
    out.useWinampGenres = in.flag(T::kWinampGenresKey, defaults.useWinampGenres);
    out.useAutoTranslate = in.flag(T::kAutoTranslateKey, defaults.useAutoTranslate);
    out.preferId3v2 = in.flag(T::kPreferId3v2Key, defaults.preferId3v2);
    out.primaryFormat = in.text(T::kPrimaryFormatKey, defaults.primaryFormat);
    out.alternateFormat = in.text(T::kAlternateFormatKey, defaults.alternateFormat);
    out.listFormat = in.text(T::kListFormatKey, defaults.listFormat);
}

void loadGeneral(const SettingsGroup& in, const GeneralSettings& defaults, GeneralSettings& out) {
    using G = GeneralSettings;
    out.scrollText = in.flag(G::kScrollTextKey, defaults.scrollText);
    out.codePage = in.number(G::kCodePageKey, defaults.codePage);
    if (!knownCodePage(out.codePage)) {
        out.codePage = defaults.codePage;
    }
    out.autoplay = in.flag(G::kAutoplayKey, defaults.autoplay);
    out.popupDelay =
        in.number(G::kPopupDelayKey, defaults.popupDelay, G::kMinPopupDelay, G::kMaxPopupDelay);
    out.alwaysOnTop = false;
}

}  // namespace

void AppSettings::applyTagOptions(TagRecord& record) const {
    tagPage.applyTo(record);
    const bool automatic = general.codePage == GeneralSettings::kAutomaticCodePage;
    record.defaultCodePage = automatic ? CodePage::Utf8 : general.codePage;
    record.autoDetect = automatic;
    record.selectCodePage = true;
}

void LoadAppSettings(AppSettings& settings) {
    if (!settingsFileUsable()) {
        std::fprintf(stderr, "velorine: %s is not a file; the settings are not read\n",
                     settingsFilePath().toLocal8Bit().constData());
        settings.loaded = true;
        return;
    }
    const AppSettings defaults;
    const SettingsGroup in;
    settings.random = in.flag("OptionRandom", defaults.random);
    settings.trackfile = in.path("Trackfile", defaults.trackfile);
    settings.volume = in.number("Volume", defaults.volume, 0, 100);
    settings.balance = in.number("Balance", defaults.balance, -100, 100);
    loadWindows(in, defaults, settings);
    settings.skinName = in.text("Skinname", defaults.skinName);
    loadTagPage(in, defaults.tagPage, settings.tagPage);
    loadGeneral(in, defaults.general, settings.general);
    settings.loaded = true;
}

QString AppSettingsFile() {
    return settingsFilePath();
}

// In the order of the settings table, each value from its owner.
bool SaveAppSettings(const AppSettings& settings) {
    if (!settingsFileUsable()) {
        return false;
    }
    SettingsGroup out;
    out.setFlag("OptionRandom", settings.random);
    out.setNumber(GeneralSettings::kDisplayModeKey, settings.general.displayMode);
    out.setPath("Trackfile", settings.trackfile);
    out.setNumber("Volume", settings.volume);
    out.setNumber("Balance", settings.balance);
    out.setPoint("MainX", "MainY", settings.mainPos);
    out.setPoint("PlayX", "PlayY", settings.playPos);
    out.setPoint("CoverX", "CoverY", settings.coverPos);
    out.setSize("CoversizeX", "CoversizeY", settings.coverSize);
    out.setPoint("DictX", "DictY", settings.dictPos);
    out.setSize("DictsizeX", "DictsizeY", settings.dictSize);
    out.setPoint("TlistX", "TlistY", settings.tlistPos);
    out.setSize("TlistsizeX", "TlistsizeY", settings.tlistSize);
    out.setPoint("OptionX", "OptionY", settings.optionPos);
    out.setFlag("TlistShown", settings.tlistShown);
    out.setFlag("CoverShown", settings.coverShown);
    out.setFlag("DictShown", settings.dictShown);
    out.setText("Skinname", settings.skinName);
    const TagPageSettings& tag = settings.tagPage;
    out.setFlag(TagPageSettings::kMarlowKey, tag.useMarlow);
    out.setFlag(TagPageSettings::kWinampGenresKey, tag.useWinampGenres);
    out.setFlag(TagPageSettings::kAutoTranslateKey, tag.useAutoTranslate);
    out.setFlag(TagPageSettings::kPreferId3v2Key, tag.preferId3v2);
    out.setText(TagPageSettings::kPrimaryFormatKey, tag.primaryFormat);
    out.setText(TagPageSettings::kAlternateFormatKey, tag.alternateFormat);
    out.setText(TagPageSettings::kListFormatKey, tag.listFormat);
    const GeneralSettings& general = settings.general;
    out.setFlag(GeneralSettings::kScrollTextKey, general.scrollText);
    out.setNumber(GeneralSettings::kCodePageKey, general.codePage);
    out.setFlag(GeneralSettings::kAutoplayKey, general.autoplay);
    out.setNumber(GeneralSettings::kPopupDelayKey, general.popupDelay);
    return out.commit();
}
