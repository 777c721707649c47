#include "batchtagger/write_planner.h"

#include <algorithm>

namespace {

constexpr int kFirstMarkerByte = 248;
constexpr int kLastMarkerByte = 254;
constexpr int kGenreOffset = 127;

// The genre index of the marker that names a code page, or -1.
int markerIndexFor(int codePage) {
    switch (codePage) {
        case CodePage::Big5:
            return 148;
        case CodePage::ShiftJis:
            return 149;
        case CodePage::Gb:
            return 150;
        case CodePage::Ksc:
            return 151;
        case CodePage::Utf8:
            return 154;
        default:
            return -1;
    }
}

std::u16string toRecord(const QString& text, int limit) {
    return text.left(limit).toStdU16String();
}

}  // namespace

bool FilePlan::anyChange() const {
    return std::any_of(changed.begin(), changed.end(), [](bool c) { return c; });
}

bool FilePlan::anyLost() const {
    return std::any_of(lost.begin(), lost.end(), [](const QList<int>& l) { return !l.isEmpty(); });
}

WritePlanner::WritePlanner() {
    record_.accessMode = TagRecord::kReadOnly;
}

unsigned WritePlanner::chosenFields(const WriteRequest& request) {
    static constexpr std::array<unsigned, kTagFieldCount> kBits = {
        TagRecord::kTitleField, TagRecord::kArtistField,  TagRecord::kAlbumField,
        TagRecord::kYearField,  TagRecord::kCommentField, TagRecord::kTrackField,
        TagRecord::kGenreField};
    unsigned chosen = 0;
    for (size_t field = 0; field < request.ticks.size(); ++field) {
        chosen |= request.ticks[field] ? kBits[field] : 0u;
    }
    // A ticked genre without a chosen item keeps each file's genre: writing "no
    // genre" would store a genre nobody chose.
    int genre = request.fields.genreItem;
    if (genre < 0 || genre >= BatchTagWriter::kGenreItemCount) {
        chosen &= ~unsigned{TagRecord::kGenreField};
    }
    return chosen;
}

void WritePlanner::putFields(const WriteRequest& request, unsigned chosen, FilePlan& plan) {
    const TagFields& f = request.fields;
    // The text of each field in the order of TagView::Text, with its bit and limit.
    const std::array<std::pair<const QString*, unsigned>, TagView::kTextCount> given = {{
        {&f.title, TagRecord::kTitleField},
        {&f.artist, TagRecord::kArtistField},
        {&f.album, TagRecord::kAlbumField},
        {&f.year, TagRecord::kYearField},
        {&f.comment, TagRecord::kCommentField},
    }};
    std::array<std::u16string*, TagView::kTextCount> texts = {
        &record_.title, &record_.artist, &record_.album, &record_.year, &record_.comment};
    bool converting = request.convertText && plan.codePage != plan.now.codePage;
    for (size_t i = 0; i < given.size(); ++i) {
        int limit = i == TagView::Year ? BatchTagWriter::kYearLimit : BatchTagWriter::kTextLimit;
        QString text;
        if (chosen & given[i].second) {
            text = given[i].first->left(limit);
        } else if (converting && plan.hadBlock) {
            text = plan.now.texts[i];
        } else {
            continue;  // the field keeps its bytes
        }
        *texts[i] = toRecord(text, limit);
        plan.written[i] = text;
        plan.lost[i] = lostCharacters(plan.codePage, text);
    }
    record_.track = static_cast<uint8_t>(std::clamp(f.track, 0, 255));
    record_.genreIndex = static_cast<uint16_t>(std::max(f.genreItem, 0));
}

FilePlan WritePlanner::plan(const QString& path, const WriteRequest& request) {
    FilePlan plan;
    plan.path = path;
    bool hasTag = false;
    bool opened = record_.open(path.toStdU16String());
    uint8_t old[TagRecord::kBlockSize] = {};
    bool haveEnd = opened && record_.lastBlock(old, hasTag);
    record_.close();
    plan.readable = opened;
    unsigned chosen = chosenFields(request);
    if (!opened) {
        // What was asked cannot be written: a Write says so.
        plan.writes = chosen != 0 || request.convertText;
        return plan;
    }
    plan.hadBlock = haveEnd && hasTag;
    if (plan.hadBlock) {
        std::copy(std::begin(old), std::end(old), plan.oldBlock.begin());
        plan.now = reader_.readBlock(old);
    } else {
        plan.now.state = TagView::State::NoTag;
    }
    // A marker names the file's code page, and so does text that code pages read
    // differently; text that every code page reads alike names none: new text
    // for it is written in UTF-8, the default everywhere.
    bool ownCodePage =
        plan.now.state == TagView::State::Tag && (!plan.now.guessed || plan.now.evidence);
    plan.codePage = request.codePage != WriteRequest::kAsDetected ? request.codePage
                    : ownCodePage                                 ? plan.now.codePage
                                                                  : CodePage::Utf8;

    record_.codePage = plan.codePage;
    putFields(request, chosen, plan);
    unsigned encoded = chosen;
    if (request.convertText && plan.hadBlock && plan.codePage != plan.now.codePage) {
        encoded |= TagRecord::kTitleField | TagRecord::kArtistField | TagRecord::kAlbumField |
                   TagRecord::kYearField | TagRecord::kCommentField;
    }
    record_.composeBlock(plan.newBlock.data(), encoded, old, plan.hadBlock);
    int genreByte = plan.newBlock[kGenreOffset];
    bool marked = genreByte >= kFirstMarkerByte && genreByte <= kLastMarkerByte;
    if (request.convertText && !(chosen & TagRecord::kGenreField) && marked &&
        markerIndexFor(plan.codePage) >= 0) {
        // A marker keeps naming the code page of the text it marks.
        plan.newBlock[kGenreOffset] = static_cast<uint8_t>(markerIndexFor(plan.codePage) + 100);
    }
    plan.writes =
        chosen != 0 || (request.convertText && plan.hadBlock && plan.newBlock != plan.oldBlock);
    plan.after = plan.writes ? reader_.readBlock(plan.newBlock.data()) : plan.now;

    for (size_t i = 0; i < TagView::kTextCount; ++i) {
        plan.changed[i] = plan.now.texts[i] != plan.after.texts[i];
    }
    plan.changed[static_cast<size_t>(TagField::Track)] = plan.now.track != plan.after.track;
    plan.changed[static_cast<size_t>(TagField::Genre)] =
        plan.now.genreIndex != plan.after.genreIndex || plan.now.state != plan.after.state;
    return plan;
}

bool WritePlanner::apply(const FilePlan& plan) {
    if (!plan.writes) {
        return true;  // nothing to write: the file is not touched
    }
    TagRecord record;
    record.accessMode = 2;
    record.beforeChange = beforeChange_;
    if (!record.open(plan.path.toStdU16String())) {
        return false;
    }
    // The file must still end as it did when the plan was made: what the preview
    // showed is what gets written, or nothing is.
    FilePlan::Block current{};
    bool hasTag = false;
    bool haveEnd = record.lastBlock(current.data(), hasTag);
    bool same = plan.hadBlock ? (haveEnd && hasTag && current == plan.oldBlock) : !hasTag;
    bool written = same && record.writeBlock(plan.newBlock.data());
    bool closed = record.close();
    return written && closed;
}

QList<int> WritePlanner::lostCharacters(int codePage, const QString& text) {
    const IcuCodePageConverter& icu = IcuCodePageConverter::instance();
    QList<int> lost;
    for (qsizetype i = 0; i < text.size();) {
        qsizetype units = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        std::u16string one = text.mid(i, units).toStdU16String();
        if (icu.toUtf16(codePage, icu.fromUtf16(codePage, one)) != one) {
            lost.append(static_cast<int>(i));
        }
        i += units;
    }
    return lost;
}
