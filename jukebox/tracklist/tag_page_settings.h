#pragma once

#include <QString>

class TagRecord;

// The Tag page's values: the three display formats and the tag-reading switches.
// Plain data; the settings load and save it under the names below, and every user
// reads the formats from the one instance at the moment of use. preferId3v2 has
// an MP3 with both tags take its ID3v2 texts rather than its ID3v1 block's; the
// entry builder reads it at every build.
struct TagPageSettings {
    bool useWinampGenres = false;                         // "gnrWinAmp"
    bool useAutoTranslate = true;                         // "gnrVelorine"
    bool useMarlow = false;                               // "Marlow"
    bool preferId3v2 = false;                             // "PreferId3v2"
    QString listFormat = QStringLiteral("%a - %n");       // "TLFormat"
    QString alternateFormat = QStringLiteral("%a - %n");  // "TPAlternate"
    QString primaryFormat = QStringLiteral("%a - %n");    // "TPPrimary"

    static constexpr const char* kWinampGenresKey = "gnrWinAmp";
    static constexpr const char* kAutoTranslateKey = "gnrVelorine";
    static constexpr const char* kMarlowKey = "Marlow";
    static constexpr const char* kPreferId3v2Key = "PreferId3v2";
    static constexpr const char* kListFormatKey = "TLFormat";
    static constexpr const char* kAlternateFormatKey = "TPAlternate";
    static constexpr const char* kPrimaryFormatKey = "TPPrimary";

    // Copies the three switches into the tag record (at start-up and after OK).
    void applyTo(TagRecord& record) const;

    friend bool operator==(const TagPageSettings&, const TagPageSettings&) = default;
};
