#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <string>

#include "jukebox/dictionary/dictionary_store.h"
#include "jukebox/options/extension_lists.h"
#include "tests/support/recording_ui_service.h"
#include "tests/support/temp_dir.h"

inline QString qs(const char16_t* text) {
    return QString::fromUtf16(text);
}

// The bytes of a UTF-16LE file with the mark and every line ended by CR LF.
inline std::string dicBytes(const QStringList& lines) {
    std::string bytes = "\xFF\xFE";
    for (const QString& line : lines) {
        for (QChar c : line + QStringLiteral("\r\n")) {
            bytes += static_cast<char>(c.unicode() & 0xFF);
            bytes += static_cast<char>(c.unicode() >> 8);
        }
    }
    return bytes;
}

// A row with its first texts set.
inline DictionaryEntry makeRow(const QString& filename, const QString& display,
                               const QString& artist = {}) {
    DictionaryEntry row;
    row.filename = filename;
    row.display = display;
    row.artist = artist;
    return row;
}

// A store over a fresh folder, with mp3 and wav as audio and avi as video.
class DictionaryTest : public testing::Test {
protected:
    QString folder() const { return QString::fromStdString(dir.path().string()); }
    QString pathIn(const std::string& name) const {
        return QString::fromStdString((dir / name).string());
    }
    std::string dicFile() const { return readFileBytes(dir / "default.dic"); }
    QStringList filenames() const {
        QStringList names;
        for (int row = 0; row < store.rowCount(); ++row) {
            names.append(store.rowAt(row).filename);
        }
        return names;
    }

    TempDir dir;
    RecordingUiService ui;
    ExtensionLists lists{
        ui, {QStringLiteral("mp3"), QStringLiteral("wav")}, {QStringLiteral("avi")}};
    DictionaryStore store{ui, lists, folder()};
};
