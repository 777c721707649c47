#include "jukebox/playback/gst_media_source.h"

#include <gst/gst.h>
#include <sys/stat.h>

#include "jukebox/common/path_functions.h"

namespace {

// The code the framework's own "could not open for reading" error has.
constexpr GraphResult kOpenReadFailed =
    kGraphFrameworkErrorBase | (3 << 8) | GST_RESOURCE_ERROR_OPEN_READ;

}  // namespace

GraphResult ResolveGstMediaSource(const QString& path, GstMediaSource& source, QString& error) {
    source = GstMediaSource();
    const QByteArray address = path.toUtf8();
    if (gst_uri_is_valid(address.constData())) {
        source.uri = address;
        // Only a file:// address names a local file.
        if (gchar* file = g_filename_from_uri(address.constData(), nullptr, nullptr)) {
            source.localFile = file;
            g_free(file);
        }
    } else {
        source.localFile = LocalPathBytes(path);
        GError* failure = nullptr;
        gchar* uri = gst_filename_to_uri(source.localFile.constData(), &failure);
        if (uri == nullptr) {
            error = failure != nullptr ? QString::fromUtf8(failure->message) : QString();
            g_clear_error(&failure);
            return kGraphInvalidArg;
        }
        source.uri = uri;
        g_free(uri);
    }
    struct stat info {};
    // A file that is missing is left to the pipeline, which says so in its own words.
    if (!source.localFile.isEmpty() && ::stat(source.localFile.constData(), &info) == 0 &&
        !S_ISREG(info.st_mode)) {
        error = QStringLiteral("\"%1\" is not a regular file")
                    .arg(FileNamePart(PathFromLocalBytes(source.localFile)));
        return kOpenReadFailed;
    }
    return kGraphOk;
}
