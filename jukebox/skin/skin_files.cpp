#include "jukebox/skin/skin_files.h"

#include <QDir>
#include <QFileInfo>

QString SkinFilePath(const QString& folder, const QString& name) {
    const QString exact = folder + u'/' + name;
    if (QFileInfo::exists(exact)) {
        return exact;
    }
    const QStringList present = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString& candidate : present) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0) {
            return folder + u'/' + candidate;
        }
    }
    return exact;
}
