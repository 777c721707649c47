#include "batchtagger/preview_html.h"

#include <QCoreApplication>
#include <QStringList>

#include "jukebox/common/path_functions.h"

namespace {

const char16_t* const kChangedStyle = u" style=\"background-color:#fff0a0\"";
const char16_t* const kLostStyle = u"background-color:#ff9090;color:#000000";

constexpr std::array<const char*, kTagFieldCount> kFieldNames = {
    QT_TRANSLATE_NOOP("CMarlowispDlg", "Title"),   QT_TRANSLATE_NOOP("CMarlowispDlg", "Artist"),
    QT_TRANSLATE_NOOP("CMarlowispDlg", "Album"),   QT_TRANSLATE_NOOP("CMarlowispDlg", "Year"),
    QT_TRANSLATE_NOOP("CMarlowispDlg", "Comment"), QT_TRANSLATE_NOOP("CMarlowispDlg", "Track"),
    QT_TRANSLATE_NOOP("CMarlowispDlg", "Genre")};

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

// The text with the characters at the lost positions marked.
QString markedText(const QString& text, const QList<int>& lost) {
    QString html;
    qsizetype from = 0;
    for (int at : lost) {
        qsizetype units = text[at].isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        html += escaped(text.mid(from, at - from));
        html += QStringLiteral("<span style=\"%1\">").arg(QString::fromUtf16(kLostStyle));
        html += escaped(text.mid(at, units)) + QStringLiteral("</span>");
        from = at + units;
    }
    return html + escaped(text.mid(from));
}

QString fieldText(const TagView& view, size_t field) {
    if (view.state != TagView::State::Tag) {
        return {};
    }
    if (field < TagView::kTextCount) {
        return view.texts[field];
    }
    if (field == static_cast<size_t>(TagField::Track)) {
        return view.track == 0 ? QString() : QString::number(view.track);
    }
    return GenreIndexName(view.genreIndex);
}

QString fileHeading(const FilePlan& plan) {
    QString state;
    if (!plan.readable) {
        state = QCoreApplication::translate("CMarlowispDlg", "cannot be opened");
    } else {
        QString now = plan.now.state == TagView::State::Tag
                          ? plan.now.codePageLabel()
                          : QCoreApplication::translate("CMarlowispDlg", "no tag");
        state = QCoreApplication::translate("CMarlowispDlg", "now %1").arg(now);
        if (!plan.writes) {
            state += QCoreApplication::translate("CMarlowispDlg", "; nothing to write");
        } else {
            state += QCoreApplication::translate("CMarlowispDlg", "; written in %1")
                         .arg(TagViewReader::codePageName(plan.codePage));
            if (plan.anyLost()) {
                state += QCoreApplication::translate("CMarlowispDlg",
                                                     ", which cannot hold every character");
            }
        }
    }
    return QStringLiteral("<tr><td colspan=\"3\"><b>%1</b> &nbsp;<i>%2</i></td></tr>")
        .arg(escaped(FileNamePart(plan.path)), escaped(state));
}

QString fieldRow(const FilePlan& plan, size_t field) {
    QString after = escaped(fieldText(plan.after, field));
    if (field < TagView::kTextCount && !plan.lost[field].isEmpty()) {
        after += QStringLiteral("<br><small>%1</small>")
                     .arg(QCoreApplication::translate("CMarlowispDlg", "from: %1")
                              .arg(markedText(plan.written[field], plan.lost[field])));
    }
    return QStringLiteral("<tr%1><td>%2</td><td>%3</td><td>%4</td></tr>")
        .arg(plan.changed[field] ? QString::fromUtf16(kChangedStyle) : QString(),
             QCoreApplication::translate("CMarlowispDlg", kFieldNames[field]),
             escaped(fieldText(plan.now, field)), after);
}

}  // namespace

QString GenreIndexName(int index) {
    int code = index < TagRecord::kGenreCount ? index : index + 100;
    return QString::fromStdU16String(TagRecord::genreName(code));
}

QString PreviewHtml(const std::vector<FilePlan>& plans, int moreFiles) {
    if (plans.empty()) {
        return QStringLiteral("<p>%1</p>")
            .arg(QCoreApplication::translate("CMarlowispDlg",
                                             "Select files to see what a Write does to them."));
    }
    QString html = QStringLiteral(
                       "<table cellspacing=\"0\" cellpadding=\"2\" style=\"white-space:pre\">"
                       "<tr><th></th><th align=\"left\">%1</th><th align=\"left\">%2</th></tr>")
                       .arg(QCoreApplication::translate("CMarlowispDlg", "Now"),
                            QCoreApplication::translate("CMarlowispDlg", "Written and read back"));
    for (const FilePlan& plan : plans) {
        html += fileHeading(plan);
        if (!plan.readable) {
            continue;
        }
        for (size_t field = 0; field < kTagFieldCount; ++field) {
            html += fieldRow(plan, field);
        }
    }
    html += QStringLiteral("</table>");
    if (moreFiles > 0) {
        html += QStringLiteral("<p>%1</p>")
                    .arg(QCoreApplication::translate("CMarlowispDlg",
                                                     "and %1 more selected files, not shown here.")
                             .arg(moreFiles));
    }
    return html;
}
