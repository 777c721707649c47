#include "jukebox/tracklist/entry_builder.h"

#include <QStringView>

#include "jukebox/common/path_functions.h"
#include "jukebox/options/extension_lists.h"
#include "jukebox/ui/ui_service.h"
#include "taglib/tag_record.h"

EntryBuilder::EntryBuilder(UiService& ui, const ExtensionLists& lists, TagRecord& record,
                           const DictionaryLookup* dictionary)
    : ui_(ui), lists_(lists), record_(record), dictionary_(dictionary) {}

int EntryBuilder::mediaKindOf(const QString& path) const {
    return lists_.ClassifyExtension(ExtensionPart(FileNamePart(path)));
}

void EntryBuilder::findInDictionary(TrackEntry& entry) const {
    if (dictionary_ != nullptr) {
        dictionary_->FindInDictionary(entry);
    }
}

bool EntryBuilder::TakesDictionary(const TrackEntry& entry) const {
    if (entry.mappingKind == MappingDictionary) {
        return true;
    }
    TrackEntry probe = entry;
    return entry.mappingKind != MappingTag && dictionary_ != nullptr &&
           dictionary_->FindInDictionary(probe);
}

TrackEntry EntryBuilder::BuildEntry(const QString& path) {
    QString fileName = FileNamePart(path);
    QString extension = ExtensionPart(fileName);
    TrackEntry entry;
    entry.path = path;
    entry.name = fileName;
    entry.mediaKind = lists_.ClassifyExtension(extension);
    entry.mappingKind = MappingNone;

    if (IsStreamExtension(extension) || IsHttpAddress(path)) {
        // Streams cannot be checked on disk; they are tried when played.
        entry.playable = 1;
        findInDictionary(entry);
        return entry;
    }
    if (!FileExists(path)) {
        entry.playable = 0;
        entry.artist = QStringLiteral("N/A");
        return entry;
    }
    entry.playable = 1;
    if (record_.open(QStringView(path).utf16())) {
        takeTag(entry);
        if (!entry.nameFound) {
            entry.name = fileName;
        }
        if (!record_.close()) {
            ui_.showMessage(QStringLiteral("!fclose()"));
        }
    } else {
        findInDictionary(entry);
    }
    return entry;
}

void EntryBuilder::takeTag(TrackEntry& entry) {
    record_.read();
    record_.readMpegFacts();
    entry.isXing = record_.isXing;
    entry.durationMs = record_.durationMs;
    entry.bitrateKbps = record_.bitrateKbps;

    std::u16string text;
    auto take = [&](const char(&code)[5], QString& field, bool& found) {
        found = record_.fieldByCode(fourCC(code), text);
        if (found) {
            field = QString::fromStdU16String(text);
        }
    };
    take("INAM", entry.name, entry.nameFound);
    take("IART", entry.artist, entry.artistFound);
    take("IGNR", entry.genre, entry.genreFound);
    take("ICRD", entry.date, entry.dateFound);
    take("ISRC", entry.source, entry.sourceFound);
    take("ICMT", entry.comment, entry.commentFound);
    if (entry.nameFound) {
        entry.mappingKind = MappingTag;
    }
}
