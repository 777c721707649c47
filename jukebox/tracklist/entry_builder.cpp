#include "jukebox/tracklist/entry_builder.h"

#include <sys/stat.h>
#include <QStringView>

#include "jukebox/common/path_functions.h"
#include "jukebox/options/extension_lists.h"
#include "jukebox/tracklist/rich_tags.h"
#include "jukebox/tracklist/tag_page_settings.h"
#include "jukebox/ui/ui_service.h"
#include "taglib/tag_record.h"

EntryBuilder::EntryBuilder(UiService& ui, const ExtensionLists& lists, TagRecord& record,
                           const DictionaryLookup* dictionary, const TagPageSettings* tagPage)
    : ui_(ui), lists_(lists), record_(record), dictionary_(dictionary), tagPage_(tagPage) {}

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
    return build(path, nullptr, nullptr);
}

TrackEntry EntryBuilder::BuildEntry(const QString& path, const QByteArray& localPath,
                                    const struct stat& info) {
    return build(path, &localPath, &info);
}

TrackEntry EntryBuilder::build(const QString& path, const QByteArray* localPath,
                               const struct stat* known) {
    lastReadDetected_ = false;
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
    if (known != nullptr && !fileName.isEmpty()) {
        buildFound(entry, fileName, extension, *localPath, *known);
        return entry;
    }
    // One stat both tells that the file exists and finds its cached texts.
    const QByteArray bytes = LocalPathBytes(path);
    struct stat info {};
    if (fileName.isEmpty() || ::stat(bytes.constData(), &info) != 0) {
        entry.playable = 0;
        entry.artist = QStringLiteral("N/A");
        return entry;
    }
    buildFound(entry, fileName, extension, bytes, info);
    return entry;
}

void EntryBuilder::buildFound(TrackEntry& entry, const QString& fileName, const QString& extension,
                              const QByteArray& localPath, const struct stat& info) {
    entry.playable = 1;
    // A read with the folder's votes gives texts of the folder, not of the file.
    const bool cached = cache_ != nullptr && record_.vote == nullptr;
    const uint32_t optionsKey = cached ? TagCache::OptionsKey(record_, prefersId3v2()) : 0;
    if (cached && cache_->Take(localPath, info, optionsKey, entry, lastRead_)) {
        lastReadDetected_ = lastRead_.detected;
        return;
    }
    lastRead_ = {};
    bool keep = false;
    if (!readOwnTags(entry, fileName, extension, keep)) {
        findInDictionary(entry);
    } else if (cached && keep) {
        cache_->Keep(localPath, info, optionsKey, entry, lastRead_);
    }
}

bool EntryBuilder::readOwnTags(TrackEntry& entry, const QString& fileName, const QString& extension,
                               bool& keep) {
    keep = true;
    RichTagTexts comments;
    if (record_.open(QStringView(entry.path).utf16())) {
        takeMp3Tags(entry);
        if (!entry.nameFound) {
            entry.name = fileName;
        }
        if (!record_.close()) {
            // It may not have been read whole: not kept.
            keep = false;
            ui_.showMessage(QStringLiteral("!fclose()"));
        }
        return true;
    }
    if (RichTags::CarriesVorbisComments(extension) &&
        RichTags::ReadVorbisComments(entry.path, comments)) {
        takeRichTexts(entry, comments);
        return true;
    }
    return false;
}

bool EntryBuilder::prefersId3v2() const {
    return tagPage_ != nullptr && tagPage_->preferId3v2;
}

void EntryBuilder::takeMp3Tags(TrackEntry& entry) {
    const bool hasId3v1 = record_.read();
    record_.readMpegFacts();
    entry.isXing = record_.isXing;
    entry.durationMs = record_.durationMs;
    entry.bitrateKbps = record_.bitrateKbps;

    // Opening a file with TagLib costs many times the 128-byte read, so an MP3
    // with an ID3v1 block is opened again only when ID3v2 is preferred.
    RichTagTexts texts;
    if ((!hasId3v1 || prefersId3v2()) && RichTags::ReadId3v2(entry.path, texts)) {
        takeRichTexts(entry, texts);
    } else {
        takeId3v1(entry);
    }
}

void EntryBuilder::takeRichTexts(TrackEntry& entry, const RichTagTexts& texts) {
    auto take = [](const QString& text, QString& field, bool& found) {
        found = !text.isEmpty();
        if (found) {
            field = text;
        }
    };
    take(texts.title, entry.name, entry.nameFound);
    take(texts.artist, entry.artist, entry.artistFound);
    take(texts.genre, entry.genre, entry.genreFound);
    take(texts.year, entry.date, entry.dateFound);
    take(texts.album, entry.source, entry.sourceFound);
    take(texts.comment, entry.comment, entry.commentFound);
    // The readers give texts only when there are some: they came from the tag.
    entry.mappingKind = MappingTag;
}

void EntryBuilder::takeId3v1(TrackEntry& entry) {
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
    lastReadDetected_ = record_.codePageSource == TagRecord::CodePageSource::Detected;
    lastRead_.detected = lastReadDetected_;
    lastRead_.codePage = record_.codePage;
    lastRead_.scores = record_.codePageScores;
}
