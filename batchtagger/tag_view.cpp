#include "batchtagger/tag_view.h"

#include <QCoreApplication>

namespace {

QString fromRecord(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

}  // namespace

QString TagView::codePageLabel() const {
    if (state != State::Tag) {
        return {};
    }
    if (guessed && !evidence) {
        return QStringLiteral("ASCII");
    }
    QString name = TagViewReader::codePageName(codePage);
    return guessed ? QCoreApplication::translate("TagView", "%1 (guess)").arg(name) : name;
}

TagViewReader::TagViewReader() {
    record_.accessMode = TagRecord::kReadOnly;
    record_.selectCodePage = true;
    record_.autoTranslate = true;
    record_.autoDetect = true;
}

QString TagViewReader::codePageName(int codePage) {
    switch (codePage) {
        case CodePage::Utf8:
            return QStringLiteral("UTF8");
        case CodePage::Big5:
            return QStringLiteral("BIG5");
        case CodePage::ShiftJis:
            return QStringLiteral("SJIS");
        case CodePage::Gb:
            return QStringLiteral("GB");
        case CodePage::Ksc:
            return QStringLiteral("KSC");
        case CodePage::Ansi:
            return QStringLiteral("Western");
        default:
            return QString::number(codePage);
    }
}

TagView TagViewReader::readFile(const QString& path) {
    uint8_t block[TagRecord::kBlockSize] = {};
    bool hasTag = false;
    bool opened = record_.open(path.toStdU16String());
    bool haveEnd = opened && record_.lastBlock(block, hasTag);
    record_.close();
    if (!opened) {
        return {};
    }
    if (!haveEnd) {
        TagView view;
        view.state = TagView::State::NoTag;  // shorter than a block
        return view;
    }
    return readBlock(block);
}

TagView TagViewReader::readBlock(const uint8_t* block) {
    TagView view;
    if (!record_.readBlock(block)) {
        view.state = TagView::State::NoTag;
        return view;
    }
    view.state = TagView::State::Tag;
    view.texts = {fromRecord(record_.title), fromRecord(record_.artist), fromRecord(record_.album),
                  fromRecord(record_.year), fromRecord(record_.comment)};
    view.track = record_.track;
    view.genreIndex = record_.genreIndex;
    view.codePage = record_.codePage;
    view.guessed = record_.codePageSource == TagRecord::CodePageSource::Detected;
    view.evidence = record_.codePageScores.evidence;
    return view;
}
