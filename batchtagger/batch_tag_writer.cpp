#include "batchtagger/batch_tag_writer.h"

#include <algorithm>

namespace {

constexpr int kFirstMarkerByte = 248;
constexpr int kMarkerCount = 7;
// The genre index a read gives for a genre byte outside the table and the markers.
constexpr int kGenreIndexUnknown = 155;

QString fromRecord(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

}  // namespace

BatchTagWriter::BatchTagWriter() {
    record_.accessMode = 2;  // read and write
    record_.selectCodePage = false;
    record_.codePage = CodePage::Utf8;
}

QStringList BatchTagWriter::genreItems() {
    QStringList items;
    items.reserve(kGenreItemCount);
    for (int index = 0; index < TagRecord::kGenreCount; ++index) {
        items.append(fromRecord(TagRecord::genreName(index)));
    }
    for (int marker = 0; marker < kMarkerCount; ++marker) {
        items.append(fromRecord(TagRecord::genreName(kFirstMarkerByte + marker)));
    }
    return items;
}

QStringList BatchTagWriter::codePageItems() {
    return {QStringLiteral("UTF8"), QStringLiteral("BIG5"), QStringLiteral("SJIS"),
            QStringLiteral("GB"), QStringLiteral("KSC")};
}

int BatchTagWriter::codePageForItem(int item) {
    switch (item) {
        case 1:
            return CodePage::Big5;
        case 2:
            return CodePage::ShiftJis;
        case 3:
            return CodePage::Gb;
        case 4:
            return CodePage::Ksc;
        default:
            return CodePage::Utf8;
    }
}

int BatchTagWriter::itemForCodePage(int codePage) {
    for (int item = 1; item < codePageItems().size(); ++item) {
        if (codePageForItem(item) == codePage) {
            return item;
        }
    }
    return 0;
}

const CodePageVote* BatchTagWriter::folderVote(const QString& path,
                                               const QStringList& folderFiles) {
    if (folderFiles.isEmpty()) {
        return nullptr;
    }
    QString folder = path.left(path.lastIndexOf(u'/') + 1);
    auto found = votes_.find(folder);
    if (found == votes_.end()) {
        CodePageVote vote;
        TagRecord reader;
        for (const QString& file : folderFiles) {
            CodePageScores scores;
            if (reader.open(file.toStdU16String()) && reader.scoreBlock(scores)) {
                vote.add(scores);
            }
            reader.close();
        }
        found = votes_.emplace(folder, vote).first;
    }
    return &found->second;
}

bool BatchTagWriter::readFile(const QString& path, TagFields& fields, Marker marker,
                              const QStringList& folderFiles) {
    bool follow = marker == Marker::Follow;
    const CodePageVote* vote = follow ? folderVote(path, folderFiles) : nullptr;
    if (!record_.open(path.toStdU16String())) {
        return false;
    }
    // The record's own choice by marker, else by the text, with the current code
    // page for a file read as it is told (252 and 253 name no code page either).
    int current = record_.codePage;
    record_.selectCodePage = follow;
    record_.autoTranslate = true;
    record_.autoDetect = follow;
    record_.vote = vote;
    record_.defaultCodePage = current;
    record_.read();
    record_.selectCodePage = false;
    record_.autoDetect = false;
    record_.vote = nullptr;
    record_.close();
    if (itemForCodePage(record_.codePage) == 0 && record_.codePage != CodePage::Utf8) {
        // Western text has no item in the list: it is shown as read, and writes
        // stay in the list's code page.
        record_.codePage = current;
    }
    fields.title = fromRecord(record_.title);
    fields.artist = fromRecord(record_.artist);
    fields.album = fromRecord(record_.album);
    fields.year = fromRecord(record_.year);
    fields.comment = fromRecord(record_.comment);
    fields.track = record_.track;
    fields.genreItem = record_.genreIndex < kGenreIndexUnknown ? record_.genreIndex : -1;
    return true;
}

bool BatchTagWriter::removeTagFrom(const QString& path) {
    if (!record_.open(path.toStdU16String())) {
        return false;
    }
    votes_.clear();
    bool removed = record_.removeTag();
    bool closed = record_.close();
    return removed && closed;
}

FieldTicks BatchTagWriter::toggledTicks(const FieldTicks& ticks) {
    bool allTicked = std::all_of(ticks.begin(), ticks.end(), [](bool tick) { return tick; });
    FieldTicks result;
    result.fill(!allTicked);
    return result;
}
