#include "jukebox/skin/spec_parser.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

#include "jukebox/common/text_lines.h"
#include "jukebox/ui/ui_service.h"

namespace {

QString tokenAt(const QStringList& tokens, int index) {
    return index < tokens.size() ? tokens[index] : QString();
}

// Sets field from a one-letter token: first -> 1, second -> 2. False, with field
// untouched, for any other token.
bool readLetter(const QString& token, char16_t first, char16_t second, int& field) {
    if (token.size() == 1) {
        QChar c = token[0].toLower();
        if (c == QChar(first)) {
            field = 1;
            return true;
        }
        if (c == QChar(second)) {
            field = 2;
            return true;
        }
    }
    return false;
}

int hexDigit(QChar c) {
    char16_t u = c.unicode();
    if (u >= u'1' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'a' && u <= u'f') {
        return u - u'a' + 10;
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    return 0;
}

}  // namespace

QStringList SpecParser::splitTokens(const QString& line) {
    QStringList tokens;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (tokens.size() < kMaxTokens) {
        while (i < n && (line[i] == u' ' || line[i] == u'\t')) {
            ++i;
        }
        if (i >= n) {
            break;
        }
        qsizetype start = i;
        while (i < n && line[i] != u' ' && line[i] != u'\t') {
            ++i;
        }
        tokens.append(line.mid(start, std::min<qsizetype>(i - start, kMaxTokenLength)));
    }
    return tokens;
}

int SpecParser::readNumber(const QString& token) {
    qsizetype i = 0;
    while (i < token.size() && (token[i] == u' ' || token[i] == u'\t')) {
        ++i;
    }
    bool negative = false;
    if (i < token.size() && (token[i] == u'-' || token[i] == u'+')) {
        negative = token[i] == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < token.size() && token[i] >= u'0' && token[i] <= u'9'; ++i) {
        value = std::min<long long>(value * 10 + (token[i].unicode() - u'0'),
                                    std::numeric_limits<int>::max() + 1LL);
    }
    if (negative) {
        value = -value;
    }
    return int(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                     std::numeric_limits<int>::max()));
}

QRgb SpecParser::readColour(const QString& token) {
    int channels[3] = {0, 0, 0};
    for (int i = 0; i < 6; ++i) {
        int digit = i < token.size() ? hexDigit(token[i]) : 0;
        channels[i / 2] = channels[i / 2] * 16 + digit;
    }
    return qRgb(channels[0], channels[1], channels[2]);
}

bool SpecParser::applyLine(SkinEntry& entry, SkinKeyword keyword, const QStringList& tokens) {
    auto number = [&](int index) { return readNumber(tokenAt(tokens, index)); };
    auto position = [&](int index) {
        return std::clamp(number(index), -kMaxPosition, kMaxPosition);
    };
    auto colour = [&](int index) { return readColour(tokenAt(tokens, index)); };
    bool lettersOk = readLetter(tokenAt(tokens, 1), u'v', u'i', entry.show);
    int expected = 0;
    switch (SkinKeywordKind(keyword)) {
        case SkinLineKind::Button:
            entry.x = position(2);
            entry.y = position(3);
            entry.w = position(4);
            entry.h = position(5);
            expected = 6;
            break;
        case SkinLineKind::Slider:
            lettersOk = readLetter(tokenAt(tokens, 2), u'h', u'v', entry.orient) && lettersOk;
            entry.x = position(3);
            entry.y = position(4);
            entry.c1 = colour(5);
            entry.c2 = colour(6);
            entry.c3 = colour(7);
            expected = 8;
            break;
        case SkinLineKind::Time:
        case SkinLineKind::Lamp:
            entry.x = position(2);
            entry.y = position(3);
            expected = 4;
            break;
        case SkinLineKind::Anim:
            entry.x = position(2);
            entry.y = position(3);
            entry.frames = number(4);
            entry.ms = number(5);
            expected = 6;
            break;
        case SkinLineKind::Track: {
            lettersOk = readLetter(tokenAt(tokens, 2), u'f', u'b', entry.fontMode) && lettersOk;
            entry.x = position(3);
            entry.y = position(4);
            entry.w = position(5);
            entry.h = position(6);
            entry.step = number(7);
            entry.period = number(8);
            // Only a font-mode line states colours, and its count is not checked.
            bool fontLine = tokenAt(tokens, 2).compare(u"f", Qt::CaseInsensitive) == 0;
            if (fontLine) {
                entry.bg = colour(9);
                entry.fg = colour(10);
            }
            expected = fontLine ? int(tokens.size()) : 9;
            break;
        }
    }
    return lettersOk && tokens.size() == expected;
}

void SpecParser::parse(QByteArrayView text, SkinDescription& skin) {
    const QStringList lines =
        ReadLinePieces(QString::fromLatin1(text.data(), text.size()), kMaxLineLength);
    SkinView* section = nullptr;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.size() < 4 || line.startsWith(u'#')) {
            continue;
        }
        const QStringList tokens = splitTokens(line);
        if (tokens.isEmpty()) {
            continue;
        }
        if (tokens[0].compare(u"[MAIN]", Qt::CaseInsensitive) == 0) {
            section = &skin.main;
            continue;
        }
        if (tokens[0].compare(u"[ALT]", Qt::CaseInsensitive) == 0) {
            section = &skin.alternate;
            continue;
        }
        int keyword = FindSkinKeyword(tokens[0]);
        if (section == nullptr || keyword < 0) {
            continue;
        }
        auto kw = static_cast<SkinKeyword>(keyword);
        if (!applyLine(section->entry(kw), kw, tokens)) {
            ui_.showMessage(
                QCoreApplication::translate("SkinLoader", "spec.txt parse error at line %1")
                    .arg(i + 1));
        }
    }
}
