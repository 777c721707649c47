// Every catalogue translates every text the programs show, keeps the place
// markers the code fills in (%1, the %a codes of the format legend), the
// accelerators and the tab that parts a menu item from its key; and lupdate,
// run over the code, finds no text the catalogues lack.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <map>
#include <set>

// Failures print the texts, not their bytes.
void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}

namespace {

const QStringList kLanguages = {QStringLiteral("zh_CN"), QStringLiteral("zh_TW"),
                                QStringLiteral("ja"), QStringLiteral("ko")};

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type;  // "unfinished", "obsolete", "vanished" or empty
};

std::vector<Message> readCatalogue(const QString& path, QString& error) {
    std::vector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot open ") + path;
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == u"message") {
                messages.push_back(message);
            }
            continue;
        }
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            message = Message{context, {}, {}, {}};
        } else if (xml.name() == u"source") {
            message.source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            message.type = xml.attributes().value(QStringLiteral("type")).toString();
            message.translation = xml.readElementText();
        }
    }
    if (xml.hasError()) {
        error = path + QStringLiteral(": ") + xml.errorString();
    }
    return messages;
}

// What the code or Qt reads out of a text: %1..%99, the one-letter codes of the
// tracklist formats, "&x" accelerators (not "&&"), and tabs before shortcuts.
std::multiset<QString> markers(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%[0-9]+|%[a-z]|&&|&[^&\\s]|\\t"));
    std::multiset<QString> found;
    for (const QRegularExpressionMatch& match : pattern.globalMatch(text)) {
        QString marker = match.captured();
        if (marker.startsWith(u'&') && marker != u"&&") {
            marker = QStringLiteral("&");  // the letter may differ by language
        }
        found.insert(marker);
    }
    return found;
}

QString cataloguePath(const QString& language) {
    return QStringLiteral(VELORINE_SOURCE_DIR "/translations/velorine_%1.ts").arg(language);
}

using SourceSet = std::set<std::pair<QString, QString>>;

SourceSet sourcesOf(const std::vector<Message>& messages) {
    SourceSet sources;
    for (const Message& message : messages) {
        if (message.type != u"obsolete" && message.type != u"vanished") {
            sources.emplace(message.context, message.source);
        }
    }
    return sources;
}

}  // namespace

TEST(TranslationCatalogue, EveryTextIsTranslatedWithTheSourcesMarkers) {
    SourceSet first;
    for (const QString& language : kLanguages) {
        SCOPED_TRACE(language.toStdString());
        QString error;
        const std::vector<Message> messages = readCatalogue(cataloguePath(language), error);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        ASSERT_GT(messages.size(), 300u);
        for (const Message& message : messages) {
            SCOPED_TRACE((message.context + u'|' + message.source).toStdString());
            EXPECT_TRUE(message.type.isEmpty()) << message.type.toStdString();
            EXPECT_FALSE(message.translation.trimmed().isEmpty());
            EXPECT_EQ(markers(message.translation), markers(message.source))
                << message.translation.toStdString();
            EXPECT_EQ(message.translation.count(u'\n'), message.source.count(u'\n'))
                << message.translation.toStdString();
            EXPECT_NE(message.translation, message.source);
        }
        // Every language translates the same texts.
        const SourceSet sources = sourcesOf(messages);
        if (first.empty()) {
            first = sources;
        } else {
            EXPECT_TRUE(sources == first);
        }
    }
}

TEST(TranslationCatalogue, LupdateFindsNoTextMissingFromTheCatalogues) {
    const QString lupdate = QStringLiteral(VELORINE_LUPDATE);
    if (lupdate.isEmpty() || !QFile::exists(lupdate)) {
        GTEST_SKIP() << "lupdate is not installed";
    }
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString fresh = scratch.filePath(QStringLiteral("fresh.ts"));
    const QString source = QStringLiteral(VELORINE_SOURCE_DIR);
    QProcess process;
    process.setWorkingDirectory(source);
    process.start(lupdate,
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("jukebox"), QStringLiteral("batchtagger"),
                   QStringLiteral("converter"), QStringLiteral("-ts"), fresh});
    ASSERT_TRUE(process.waitForFinished(120000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    QString error;
    const SourceSet found = sourcesOf(readCatalogue(fresh, error));
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    ASSERT_FALSE(found.empty());
    for (const QString& language : kLanguages) {
        const SourceSet listed = sourcesOf(readCatalogue(cataloguePath(language), error));
        for (const auto& [context, text] : found) {
            EXPECT_TRUE(listed.count({context, text}) == 1)
                << language.toStdString() << " lacks " << context.toStdString() << " | "
                << text.toStdString();
        }
        for (const auto& [context, text] : listed) {
            EXPECT_TRUE(found.count({context, text}) == 1)
                << language.toStdString()
                << " holds a text the code no longer shows: " << context.toStdString() << " | "
                << text.toStdString();
        }
    }
}
