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

std::u16string toRecord(const QString& text, int limit) {
    return text.left(limit).toStdU16String();
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

bool BatchTagWriter::readFile(const QString& path, TagFields& fields) {
    if (!record_.open(path.toStdU16String())) {
        return false;
    }
    record_.read();
    record_.close();
    fields.title = fromRecord(record_.title);
    fields.artist = fromRecord(record_.artist);
    fields.album = fromRecord(record_.album);
    fields.year = fromRecord(record_.year);
    fields.comment = fromRecord(record_.comment);
    fields.genreItem = record_.genreIndex < kGenreIndexUnknown ? record_.genreIndex : -1;
    return true;
}

bool BatchTagWriter::writeFile(const QString& path, const TagFields& fields,
                               const FieldTicks& ticks) {
    if (!record_.open(path.toStdU16String())) {
        return false;
    }
    record_.read();
    auto ticked = [&ticks](TagField field) { return ticks[static_cast<size_t>(field)]; };
    if (ticked(TagField::Title)) {
        record_.title = toRecord(fields.title, kTextLimit);
    }
    if (ticked(TagField::Artist)) {
        record_.artist = toRecord(fields.artist, kTextLimit);
    }
    if (ticked(TagField::Album)) {
        record_.album = toRecord(fields.album, kTextLimit);
    }
    if (ticked(TagField::Year)) {
        record_.year = toRecord(fields.year, kYearLimit);
    }
    if (ticked(TagField::Comment)) {
        record_.comment = toRecord(fields.comment, kTextLimit);
    }
    if (ticked(TagField::Genre) && fields.genreItem >= 0 && fields.genreItem < kGenreItemCount) {
        record_.genreIndex = static_cast<uint16_t>(fields.genreItem);
    }
    bool written = record_.write();
    bool closed = record_.close();
    return written && closed;
}

bool BatchTagWriter::removeTagFrom(const QString& path) {
    if (!record_.open(path.toStdU16String())) {
        return false;
    }
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
