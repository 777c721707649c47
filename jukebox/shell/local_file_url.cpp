#include "jukebox/shell/local_file_url.h"

#include "jukebox/common/path_functions.h"

QUrl LocalFileUrl(const QString& path) {
    const QByteArray encoded = LocalPathBytes(path).toPercentEncoding("/");
    return QUrl::fromEncoded(QByteArrayLiteral("file://") + encoded, QUrl::StrictMode);
}
