// The texts of ID3v2 tags and Vorbis comments reaching the entries, on real files
// made by GStreamer's encoders and tagged here with TagLib's writing side (the
// jukebox itself only reads them).
#include <attachedpictureframe.h>
#include <commentsframe.h>
#include <flacfile.h>
#include <gst/gst.h>
#include <id3v2tag.h>
#include <mpegfile.h>
#include <sys/stat.h>
#include <textidentificationframe.h>
#include <vorbisfile.h>
#include <xiphcomment.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>

#include "jukebox/common/path_functions.h"
#include "taglib/code_page_converter.h"
#include "tests/jukebox/playback/test_media.h"
#include "tests/jukebox/tracklist/tracklist_fixture.h"
#include "tests/taglib/id3v1_fixtures.h"

namespace {

namespace fs = std::filesystem;
using TagLib::String;
using TagLib::ID3v2::CommentsFrame;
using TagLib::ID3v2::TextIdentificationFrame;

// Files made once for the whole program: an untagged MP3 and an Ogg Vorbis whose
// only comment is the source's DESCRIPTION, and files of each kind that carry
// Vorbis comments, written by GStreamer's encoders and muxers themselves.
struct Media {
    QString mp3, ogg;
    QString commentedOgg, commentedOpus, commentedFlac, commentedOggFlac;
};

const Media& media() {
    static TempDir dir;
    static const Media made = [] {
        gst_init(nullptr, nullptr);
        const std::string tone = "audiotestsrc num-buffers=10 ! audioconvert ! ";
        // audiotestsrc adds DESCRIPTION=audiotest wave.
        const std::string tagged =
            "audiotestsrc num-buffers=10 ! "
            R"x(taginject tags="title=\"夜曲\",artist={ (string)Ann, (string)Bo },album=Nachtmusik,datetime=(datetime)1999-12-31,genre=Jazz")x"
            " ! audioconvert ! ";
        Media m;
        m.mp3 = encodeMedia(dir / "tone.mp3", tone + "lamemp3enc");
        m.ogg = encodeMedia(dir / "tone.ogg", tone + "vorbisenc ! oggmux");
        m.commentedOgg = encodeMedia(dir / "c.ogg", tagged + "vorbisenc ! oggmux");
        m.commentedOpus = encodeMedia(dir / "c.opus", tagged + "audioresample ! opusenc ! oggmux");
        m.commentedFlac = encodeMedia(dir / "c.flac", tagged + "flacenc");
        m.commentedOggFlac = encodeMedia(dir / "c.oga", tagged + "flacenc ! oggmux");
        return m;
    }();
    return made;
}

String utf8Text(const char* text) {
    return String(text, String::UTF8);
}

// A text frame in the given encoding; Latin-1 frames take their bytes as they are.
TextIdentificationFrame* textFrame(const char* id, const std::string& text, String::Type encoding) {
    auto* frame = new TextIdentificationFrame(id, encoding);
    frame->setText(encoding == String::Latin1 ? String(text, String::Latin1)
                                              : String(text, String::UTF8));
    return frame;
}

CommentsFrame* commentFrame(const char* description, const char* text) {
    auto* frame = new CommentsFrame(String::UTF16);
    frame->setDescription(utf8Text(description));
    frame->setText(utf8Text(text));
    return frame;
}

class RichTagTest : public TracklistTest {
protected:
    void SetUp() override {
        const Media& m = media();
        for (const QString& file :
             {m.mp3, m.ogg, m.commentedOgg, m.commentedOpus, m.commentedFlac, m.commentedOggFlac}) {
            ASSERT_FALSE(file.isEmpty()) << "an encoder is missing";
        }
    }

    // A copy of a made file under name in the test's folder.
    QString copyOf(const QString& made, const std::string& name) {
        return writeFile(name, readFileBytes(made.toStdString()));
    }

    // A copy of the MP3 with an ID3v2 tag of the frames (taken over by the tag)
    // and after it, when given, an ID3v1 block.
    QString taggedMp3(const std::string& name, std::initializer_list<TagLib::ID3v2::Frame*> frames,
                      TagLib::ID3v2::Version version = TagLib::ID3v2::v4,
                      const std::string& id3v1 = {}) {
        QString file = copyOf(media().mp3, name);
        {
            TagLib::MPEG::File mp3(LocalPathBytes(file).constData(), false);
            for (TagLib::ID3v2::Frame* frame : frames) {
                mp3.ID3v2Tag(true)->addFrame(frame);
            }
            EXPECT_TRUE(mp3.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers, version,
                                 TagLib::File::DoNotDuplicate));
        }
        if (!id3v1.empty()) {
            writeFile(name, readFileBytes(file.toStdString()) + id3v1);
        }
        return file;
    }
};

TEST_F(RichTagTest, Id3v2TextsReachTheEntryInVersions3And4) {
    for (auto version : {TagLib::ID3v2::v3, TagLib::ID3v2::v4}) {
        SCOPED_TRACE(version == TagLib::ID3v2::v3 ? "2.3" : "2.4");
        const bool v4 = version == TagLib::ID3v2::v4;
        QString file = taggedMp3(v4 ? "v4.mp3" : "v3.mp3",
                                 {
                                     textFrame("TIT2", "中文歌 🎵", String::UTF16),
                                     textFrame("TPE1", "Sigur Rós", String::UTF8),
                                     // Read as windows-1252, as tagging programs write "Latin-1".
                                     textFrame("TALB", "Caf\xE9 No\xEBl \x80", String::Latin1),
                                     textFrame("TDRC", "2003-04-05", String::Latin1),
                                     textFrame("TCON", "(17)", String::Latin1),
                                     commentFrame("iTunNORM", " 00000A2B 00000B3C"),
                                     commentFrame("note", "described"),
                                     // The plain comment wins; 2.3 goes without one.
                                     v4 ? commentFrame("", "plain") : commentFrame("x", ""),
                                 },
                                 version);
        const std::string before = readFileBytes(file.toStdString());

        TrackEntry entry = store.BuildEntry(file);
        EXPECT_EQ(entry.name, QString::fromUtf8("中文歌 🎵"));
        EXPECT_EQ(entry.artist, QString::fromUtf8("Sigur Rós"));
        EXPECT_EQ(entry.source, QString::fromUtf8("Café Noël €"));
        EXPECT_EQ(entry.date, QStringLiteral("2003"));
        EXPECT_EQ(entry.genre, QStringLiteral("Rock"));
        EXPECT_EQ(entry.comment, v4 ? QStringLiteral("plain") : QStringLiteral("described"));
        EXPECT_TRUE(entry.nameFound && entry.artistFound && entry.sourceFound && entry.dateFound &&
                    entry.genreFound && entry.commentFound);
        EXPECT_EQ(entry.mappingKind, MappingTag);
        EXPECT_EQ(readFileBytes(file.toStdString()), before) << "reading never writes";
    }
    EXPECT_TRUE(dictionary.asked.isEmpty());
}

TEST_F(RichTagTest, AnMp3WithBothTagsShowsItsId3v1BlockUnlessId3v2IsPreferred) {
    RawBlock block;
    block.title = "Short v1 title";
    QString both = taggedMp3("both.mp3",
                             {textFrame("TIT2", "The whole title from ID3v2", String::UTF16),
                              textFrame("TPE1", "Artist", String::UTF16)},
                             TagLib::ID3v2::v4, block.bytes('\0'));
    // A tag of pictures only has no texts to prefer.
    auto* picture = new TagLib::ID3v2::AttachedPictureFrame;
    picture->setPicture(TagLib::ByteVector("not really a picture"));
    QString pictureOnly = taggedMp3("picture.mp3", {picture}, TagLib::ID3v2::v4, block.bytes('\0'));
    QString v1Only = writeMp3("v1.mp3", block.bytes('\0'));
    QString artistOnly = taggedMp3("artist.mp3", {textFrame("TPE1", "Nameless", String::UTF16)});

    TrackEntry entry = store.BuildEntry(both);
    EXPECT_EQ(entry.name, QStringLiteral("Short v1 title"));
    EXPECT_FALSE(entry.artistFound) << "texts are not mixed from both tags";

    tagPage.preferId3v2 = true;  // read at every build
    entry = store.BuildEntry(both);
    EXPECT_EQ(entry.name, QStringLiteral("The whole title from ID3v2"));
    EXPECT_EQ(entry.artist, QStringLiteral("Artist"));
    EXPECT_EQ(store.BuildEntry(pictureOnly).name, QStringLiteral("Short v1 title"));
    EXPECT_EQ(store.BuildEntry(v1Only).name, QStringLiteral("Short v1 title"));

    // Texts without a title: the file name stays, and the texts are the tag's.
    entry = store.BuildEntry(artistOnly);
    EXPECT_EQ(entry.name, QStringLiteral("artist.mp3"));
    EXPECT_FALSE(entry.nameFound);
    EXPECT_EQ(entry.artist, QStringLiteral("Nameless"));
    EXPECT_EQ(entry.mappingKind, MappingTag);
}

TEST_F(RichTagTest, VorbisCommentsOfOggOpusAndFlacFiles) {
    const Media& m = media();
    const QString files[] = {
        copyOf(m.commentedOgg, "tone.ogg"),
        copyOf(m.commentedOpus, "tone.OPUS"),
        copyOf(m.commentedFlac, "tone.flac"),
        copyOf(m.commentedOggFlac, "tone.oga"),
        // An Ogg FLAC named like Ogg Vorbis: the content tells.
        copyOf(m.commentedOggFlac, "flac inside.ogg"),
    };
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        TrackEntry entry = store.BuildEntry(file);
        EXPECT_EQ(entry.name, QString::fromUtf8("夜曲"));
        EXPECT_EQ(entry.artist, QStringLiteral("Ann / Bo"));
        EXPECT_EQ(entry.source, QStringLiteral("Nachtmusik"));
        EXPECT_EQ(entry.date, QStringLiteral("1999"));
        EXPECT_EQ(entry.genre, QStringLiteral("Jazz"));
        EXPECT_EQ(entry.comment, QStringLiteral("audiotest wave"));  // from DESCRIPTION
        EXPECT_EQ(entry.mappingKind, MappingTag);
    }
    EXPECT_TRUE(dictionary.asked.isEmpty()) << "tag texts come before the dictionary";

    // COMMENT goes before DESCRIPTION.
    {
        TagLib::FLAC::File file(LocalPathBytes(files[2]).constData(), false);
        file.xiphComment()->addField("COMMENT", String("the comment"));
        ASSERT_TRUE(file.save());
    }
    EXPECT_EQ(store.BuildEntry(files[2]).comment, QStringLiteral("the comment"));

    // Without any of the texts the dictionary names the file, as before.
    QString bare = copyOf(m.ogg, "bare.ogg");
    {
        TagLib::Ogg::Vorbis::File file(LocalPathBytes(bare).constData(), false);
        file.tag()->removeFields("DESCRIPTION");
        file.tag()->addField("ENCODER", String("not one of the texts"));
        ASSERT_TRUE(file.save());
    }
    TrackEntry row;
    row.name = QStringLiteral("From the dictionary");
    dictionary.rows[QStringLiteral("bare.ogg")] = row;
    TrackEntry entry = store.BuildEntry(bare);
    EXPECT_EQ(entry.name, QStringLiteral("From the dictionary"));
    EXPECT_EQ(entry.mappingKind, MappingDictionary);
}

// Damaged, cut and foreign files give no texts, and neither crash nor hang.
TEST_F(RichTagTest, DamagedFilesAndFifosGiveNoTags) {
    QString whole = taggedMp3("whole.mp3", {textFrame("TIT2", "Cut short", String::UTF16)});
    const std::string bytes = readFileBytes(whole.toStdString());
    // Cut inside the tag's header or its first frame: no texts.
    for (size_t length : {size_t{3}, size_t{10}, size_t{14}, size_t{30}}) {
        QString cut = writeFile("cut" + std::to_string(length) + ".mp3", bytes.substr(0, length));
        TrackEntry entry = store.BuildEntry(cut);
        EXPECT_EQ(entry.playable, 1);
        EXPECT_EQ(entry.mappingKind, MappingNone) << length;
    }
    // Cut in the padding after the frames, and right after the tag.
    const auto size = [&](int i) { return static_cast<size_t>(bytes[static_cast<size_t>(i)]); };
    const size_t tagEnd = 10 + (size(6) << 21 | size(7) << 14 | size(8) << 7 | size(9));
    EXPECT_EQ(store.BuildEntry(writeFile("padding.mp3", bytes.substr(0, tagEnd - 8))).name,
              QStringLiteral("Cut short"));
    EXPECT_EQ(store.BuildEntry(writeFile("tag only.mp3", bytes.substr(0, tagEnd))).name,
              QStringLiteral("Cut short"));
    // A header that claims a tag of 256 MB.
    store.BuildEntry(writeFile("huge.mp3", std::string("ID3\x04\x00\x00\x7F\x7F\x7F\x7F", 10)));

    const std::string ogg = readFileBytes(media().ogg.toStdString());
    for (auto [name, content] : {std::pair<std::string, std::string>{"empty.flac", ""},
                                 {"noise.flac", "fLaC" + std::string(200, '\xFF')},
                                 {"cut.ogg", ogg.substr(0, 60)},
                                 {"text.opus", "OggS and then nothing of Opus"}}) {
        TrackEntry entry = store.BuildEntry(writeFile(name, content));
        EXPECT_EQ(entry.mappingKind, MappingNone) << name;
    }

    // A FIFO would block a plain open until something writes to it.
    for (const char* name : {"pipe.ogg", "pipe.flac", "pipe.mp3"}) {
        ASSERT_EQ(::mkfifo((dir / name).c_str(), 0600), 0);
        EXPECT_EQ(store.BuildEntry(path(name)).mappingKind, MappingNone);
    }
}

// Old tagging programs put GBK or Big5 bytes into frames declared Latin-1, as
// they did into ID3v1 blocks. The code page is judged on all such frames of the
// tag together.
TEST_F(RichTagTest, Latin1FramesHoldingChineseAreReadInTheirCodePage) {
    const CodePageConverter& converter = IcuCodePageConverter::instance();
    struct Case {
        int codePage;
        std::u16string title, artist, album;
    };
    const Case cases[] = {
        {CodePage::Gb, u"月亮代表我的心", u"邓丽君", u"淡淡幽情"},
        {CodePage::Big5, u"月亮代表我的心", u"鄧麗君", u"淡淡幽情"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codePage);
        auto legacy = [&](const char* id, const std::u16string& text) {
            return textFrame(id, converter.fromUtf16(c.codePage, text), String::Latin1);
        };
        QString file =
            taggedMp3("legacy" + std::to_string(c.codePage) + ".mp3",
                      {legacy("TIT2", c.title), legacy("TPE1", c.artist), legacy("TALB", c.album)},
                      TagLib::ID3v2::v3);
        TrackEntry entry = store.BuildEntry(file);
        EXPECT_EQ(entry.name, QString::fromStdU16String(c.title));
        EXPECT_EQ(entry.artist, QString::fromStdU16String(c.artist));
        EXPECT_EQ(entry.source, QString::fromStdU16String(c.album));
    }
}

}  // namespace
