#include "jukebox/tracklist/rich_tags.h"

#include <commentsframe.h>
#include <fcntl.h>
#include <flacfile.h>
#include <id3v2framefactory.h>
#include <id3v2tag.h>
#include <mpegfile.h>
#include <oggflacfile.h>
#include <opusfile.h>
#include <speexfile.h>
#include <sys/stat.h>
#include <textidentificationframe.h>
#include <tfilestream.h>
#include <unistd.h>
#include <vorbisfile.h>
#include <xiphcomment.h>

#include <QStringList>
#include <exception>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "jukebox/common/path_functions.h"
#include "jukebox/tracklist/legacy_latin1.h"
#include "taglib/genre_table.h"

namespace {

using TagLib::String;
using TagLib::ID3v2::Frame;

const QString kJoiner = QStringLiteral(" / ");

// TagLib keeps its strings as UTF-16 code units, one in each wchar_t.
QString toQString(const String& text) {
    const std::wstring& units = text.toWString();
    QString out(static_cast<qsizetype>(units.size()), Qt::Uninitialized);
    for (size_t i = 0; i < units.size(); ++i) {
        out[static_cast<qsizetype>(i)] = QChar(static_cast<char16_t>(units[i]));
    }
    return out;
}

// The values that are not empty, joined.
QString joined(const QStringList& values) {
    QStringList kept;
    for (const QString& value : values) {
        if (!value.isEmpty() && !kept.contains(value)) {
            kept.append(value);
        }
    }
    return kept.join(kJoiner);
}

// Opens a file read-only for TagLib. Non-blocking, so that a FIFO with a media
// file's name cannot hang a folder scan; only regular files are read.
std::unique_ptr<TagLib::FileStream> openReadOnly(const QString& path) {
    const QByteArray bytes = LocalPathBytes(path);
    const int fd = ::open(bytes.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    auto stream = std::make_unique<TagLib::FileStream>(fd, true);
    if (!stream->isOpen()) {  // the stream owns the descriptor only once open
        ::close(fd);
        return nullptr;
    }
    return stream;
}

// --- ID3v2 ---

// The texts of every text frame and comment of one tag, each frame's values in
// order. Latin-1 values are gathered as bytes and decoded together, so that the
// code page is judged on all the text one tagging program wrote.
class Id3v2Texts {
public:
    explicit Id3v2Texts(const TagLib::ID3v2::Tag& tag) {
        struct Pending {
            const Frame* frame;
            qsizetype slot;  // in the frame's values
            size_t index;    // in legacy
        };
        std::vector<std::string> legacy;
        std::vector<Pending> pending;
        for (const Frame* frame : tag.frameList()) {
            TagLib::StringList values;
            String::Type encoding = String::Latin1;
            if (auto* text = dynamic_cast<const TagLib::ID3v2::TextIdentificationFrame*>(frame)) {
                values = text->fieldList();
                encoding = text->textEncoding();
            } else if (auto* comment = dynamic_cast<const TagLib::ID3v2::CommentsFrame*>(frame)) {
                values.append(comment->text());
                encoding = comment->textEncoding();
            } else {
                continue;
            }
            QStringList& texts = texts_[frame];
            for (const String& value : values) {
                if (encoding == String::Latin1) {
                    pending.push_back({frame, texts.size(), legacy.size()});
                    legacy.push_back(value.to8Bit(false));  // the frame's bytes again
                    texts.append(QString());
                } else {
                    texts.append(toQString(value));
                }
            }
        }
        const std::vector<std::u16string> decoded = decodeLegacyLatin1(legacy);
        for (const Pending& value : pending) {
            if (value.index < decoded.size()) {
                texts_[value.frame][value.slot] = QString::fromStdU16String(decoded[value.index]);
            }
        }
    }

    // The values of a frame, empty for a frame that carries no text.
    QStringList valuesOf(const Frame* frame) const {
        auto found = texts_.find(frame);
        return found != texts_.end() ? found->second : QStringList();
    }

    // The values of the first frame of an id that holds any text.
    QStringList firstOf(const TagLib::ID3v2::Tag& tag, const char* id) const {
        for (const Frame* frame : tag.frameList(id)) {
            QStringList values = valuesOf(frame);
            if (!joined(values).isEmpty()) {
                return values;
            }
        }
        return {};
    }

private:
    std::map<const Frame*, QStringList> texts_;
};

// A genre value of TCON: a number or "(number)" names a genre of the table;
// "(number)text" is refined by its text; RX and CR are remix and cover.
QString genreName(const QString& value) {
    QString reference = value;
    if (value.startsWith(u'(')) {
        const qsizetype close = value.indexOf(u')');
        const QString refinement = close > 0 ? value.mid(close + 1) : QString();
        if (close < 0 || !refinement.isEmpty()) {
            return close < 0 ? value : refinement;
        }
        reference = value.mid(1, close - 1);
    }
    if (reference == QStringLiteral("RX")) {
        return QStringLiteral("Remix");
    }
    if (reference == QStringLiteral("CR")) {
        return QStringLiteral("Cover");
    }
    bool isNumber = false;
    const int number = reference.toInt(&isNumber);
    const bool plainDigits =
        isNumber && !reference.isEmpty() && reference.size() <= 3 && reference.front().isDigit();
    if (plainDigits && number >= 0 && number < static_cast<int>(kGenreNames.size())) {
        const std::u16string_view name = kGenreNames[static_cast<size_t>(number)];
        return QString::fromUtf16(name.data(), static_cast<qsizetype>(name.size()));
    }
    return value;
}

QString genreOf(const QStringList& values) {
    QStringList names;
    for (const QString& value : values) {
        names.append(genreName(value));
    }
    return joined(names);
}

// Players keep notes of their own in described comments ("iTunNORM" and the
// like): hex figures, not something the user wrote.
bool isPlayersNote(const String& description) {
    return description.startsWith("iTun");
}

QString commentOf(const TagLib::ID3v2::Tag& tag, const Id3v2Texts& texts) {
    QString described;
    for (const Frame* frame : tag.frameList("COMM")) {
        auto* comment = dynamic_cast<const TagLib::ID3v2::CommentsFrame*>(frame);
        const QString text = joined(texts.valuesOf(frame));
        if (comment == nullptr || text.isEmpty()) {
            continue;
        }
        if (comment->description().isEmpty()) {
            return text;
        }
        if (described.isEmpty() && !isPlayersNote(comment->description())) {
            described = text;
        }
    }
    return described;
}

bool readId3v2Tag(const TagLib::ID3v2::Tag& tag, RichTagTexts& out) {
    const Id3v2Texts texts(tag);
    out.title = joined(texts.firstOf(tag, "TIT2"));
    out.artist = joined(texts.firstOf(tag, "TPE1"));
    out.album = joined(texts.firstOf(tag, "TALB"));
    QStringList date = texts.firstOf(tag, "TDRC");
    if (date.isEmpty()) {
        date = texts.firstOf(tag, "TYER");
    }
    out.year = joined(date).left(4);
    out.genre = genreOf(texts.firstOf(tag, "TCON"));
    out.comment = commentOf(tag, texts);
    return !out.isEmpty();
}

// --- Vorbis comments ---

QString fieldOf(const TagLib::Ogg::FieldListMap& fields, const char* name) {
    auto found = fields.find(name);
    if (found == fields.end()) {
        return {};
    }
    QStringList values;
    for (const String& value : found->second) {
        values.append(toQString(value));
    }
    return joined(values);
}

bool readXiphComment(const TagLib::Ogg::XiphComment* comment, RichTagTexts& out) {
    if (comment == nullptr) {
        return false;
    }
    const TagLib::Ogg::FieldListMap& fields = comment->fieldListMap();
    out.title = fieldOf(fields, "TITLE");
    out.artist = fieldOf(fields, "ARTIST");
    out.album = fieldOf(fields, "ALBUM");
    out.year = fieldOf(fields, "DATE").left(4);
    out.genre = fieldOf(fields, "GENRE");
    out.comment = fieldOf(fields, "COMMENT");
    if (out.comment.isEmpty()) {
        out.comment = fieldOf(fields, "DESCRIPTION");
    }
    return !out.isEmpty();
}

// The comments of an Ogg stream of kind File, when the stream is one.
template <typename File>
bool readOgg(TagLib::FileStream& stream, RichTagTexts& out) {
    File file(&stream, false);
    return file.isValid() && readXiphComment(file.tag(), out);
}

bool readVorbisStream(TagLib::FileStream& stream, RichTagTexts& out) {
    namespace Ogg = TagLib::Ogg;
    if (Ogg::Vorbis::File::isSupported(&stream)) {
        return readOgg<Ogg::Vorbis::File>(stream, out);
    }
    if (Ogg::Opus::File::isSupported(&stream)) {
        return readOgg<Ogg::Opus::File>(stream, out);
    }
    if (Ogg::FLAC::File::isSupported(&stream)) {  // before native FLAC: it holds "fLaC" too
        return readOgg<Ogg::FLAC::File>(stream, out);
    }
    if (Ogg::Speex::File::isSupported(&stream)) {
        return readOgg<Ogg::Speex::File>(stream, out);
    }
    if (TagLib::FLAC::File::isSupported(&stream)) {
        TagLib::FLAC::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
        return file.isValid() && readXiphComment(file.xiphComment(), out);
    }
    return false;
}

// Runs a read; whatever goes wrong inside TagLib leaves empty texts and false.
template <typename Read>
bool guardedRead(const QString& path, RichTagTexts& texts, Read read) {
    texts = RichTagTexts();
    try {
        std::unique_ptr<TagLib::FileStream> stream = openReadOnly(path);
        if (stream != nullptr && read(*stream, texts)) {
            return true;
        }
    } catch (const std::exception&) {
        // bad_alloc for a tag that claims more than can be had: no texts then
    }
    texts = RichTagTexts();
    return false;
}

}  // namespace

bool RichTagTexts::isEmpty() const {
    return title.isEmpty() && artist.isEmpty() && album.isEmpty() && year.isEmpty() &&
           genre.isEmpty() && comment.isEmpty();
}

namespace RichTags {

bool ReadId3v2(const QString& path, RichTagTexts& texts) {
    return guardedRead(path, texts, [](TagLib::FileStream& stream, RichTagTexts& out) {
        // Most MP3s without an ID3v1 block have no ID3v2 tag either; three bytes
        // tell, where setting up TagLib's file costs many times more. A tag not
        // at the start is not looked for, as decoders do not either.
        if (stream.readBlock(3) != TagLib::ByteVector("ID3", 3)) {
            return false;
        }
        stream.seek(0);
        // Without audio properties: the MPEG facts come from the tag record.
        TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
        return file.isValid() && file.hasID3v2Tag() && readId3v2Tag(*file.ID3v2Tag(), out);
    });
}

bool CarriesVorbisComments(const QString& extension) {
    for (const char* known : {"ogg", "oga", "opus", "flac"}) {
        if (extension.compare(QLatin1String(known), Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

bool ReadVorbisComments(const QString& path, RichTagTexts& texts) {
    return guardedRead(path, texts, readVorbisStream);
}

}  // namespace RichTags
