#include "batchtagger/batch_report.h"

#include <QCoreApplication>

#include "jukebox/common/path_functions.h"

namespace {

constexpr int kNamed = 3;

QString filesText(int count) {
    return count == 1 ? QCoreApplication::translate("BatchReport", "1 file")
                      : QCoreApplication::translate("BatchReport", "%1 files").arg(count);
}

// "a, b, c and 2 more"
QString someOf(const QStringList& items) {
    QString text = items.mid(0, kNamed).join(QStringLiteral(", "));
    if (items.size() > kNamed) {
        text +=
            QCoreApplication::translate("BatchReport", " and %1 more").arg(items.size() - kNamed);
    }
    return text;
}

}  // namespace

QString ShortFileName(const QString& path) {
    QString folder = FolderPart(path);
    folder.chop(1);
    folder = FileNamePart(folder);
    return folder.isEmpty() ? FileNamePart(path) : folder + u'/' + FileNamePart(path);
}

BatchReport ReportBatch(const BatchOutcome& outcome) {
    bool writing = outcome.kind == BatchOutcome::Kind::Write;
    BatchReport report;
    report.text = (writing ? QCoreApplication::translate("BatchReport", "Wrote %1")
                           : QCoreApplication::translate("BatchReport", "Removed the tag of %1"))
                      .arg(filesText(outcome.done));
    if (outcome.untouched > 0) {
        report.text +=
            (outcome.untouched == 1
                 ? QCoreApplication::translate("BatchReport", "; %1 has nothing to write")
                 : QCoreApplication::translate("BatchReport", "; %1 have nothing to write"))
                .arg(filesText(outcome.untouched));
    }
    if (!outcome.failed.isEmpty()) {
        QStringList names;
        for (const QString& path : outcome.failed) {
            names.append(ShortFileName(path));
        }
        report.text +=
            (writing ? QCoreApplication::translate("BatchReport", "; cannot write %1")
                     : QCoreApplication::translate("BatchReport", "; cannot remove the tag of %1"))
                .arg(someOf(names));
        if (outcome.failedStaySelected) {
            report.text += QCoreApplication::translate("BatchReport", " (left selected)");
        }
    }
    report.details = outcome.failed;
    if (!outcome.journalError.isEmpty()) {
        report.text += QCoreApplication::translate("BatchReport", " (undo journal: %1)")
                           .arg(outcome.journalError);
        report.details.append(outcome.journalError);
    }
    return report;
}

BatchReport ReportUndo(const UndoReport& undo, QStringList& restored) {
    BatchReport report;
    if (!undo.found) {
        report.text = QCoreApplication::translate("BatchReport", "Nothing to undo");
        return report;
    }
    QStringList refused;  // "cd2/a.mp3 changed since, left alone"
    for (const FileUndo& file : undo.files) {
        QString path = PathFromLocalBytes(QByteArray::fromStdString(file.path));
        QString result = QString::fromLatin1(undoResultText(file.result));
        if (file.result == UndoResult::Restored || file.result == UndoResult::AlreadyAsBefore) {
            restored.append(path);
        } else {
            refused.append(ShortFileName(path) + u' ' + result);
        }
        report.details.append(path + QStringLiteral(": ") + result);
    }
    report.text = QCoreApplication::translate("BatchReport", "Undid the last write: %1 restored")
                      .arg(filesText(static_cast<int>(restored.size())));
    if (undo.program != "marlowisp") {
        report.text += QCoreApplication::translate("BatchReport", " (a run of %1)")
                           .arg(QString::fromStdString(undo.program));
    }
    if (!refused.isEmpty()) {
        report.text += QStringLiteral("; ") + refused.mid(0, kNamed).join(QStringLiteral("; "));
        if (refused.size() > kNamed) {
            report.text += QCoreApplication::translate("BatchReport", "; and %1 more left alone")
                               .arg(refused.size() - kNamed);
        }
    }
    return report;
}
