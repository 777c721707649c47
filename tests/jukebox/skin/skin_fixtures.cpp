#include "tests/jukebox/skin/skin_fixtures.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include <zip.h>

#include "tests/jukebox/cover/image_fixtures.h"
#include "tests/support/temp_dir.h"

QImage solidImage(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void writeSkinFolder(const std::filesystem::path& folder, const char* spec,
                     const std::map<std::string, QImage>& bitmaps) {
    std::filesystem::create_directories(folder);
    if (spec != nullptr) {
        writeFileBytes(folder / "spec.txt", spec);
    }
    for (const auto& [name, image] : bitmaps) {
        writeFileBytes(folder / name, makeBmp(image));
    }
}

void writeZip(const std::filesystem::path& path, const std::vector<ZipItem>& items) {
    std::filesystem::create_directories(path.parent_path());
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr) {
        throw std::runtime_error("cannot create archive");
    }
    for (const ZipItem& item : items) {
        zip_source_t* source = zip_source_buffer(archive, item.data.data(), item.data.size(), 0);
        zip_int64_t index = zip_file_add(archive, item.name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            zip_discard(archive);
            throw std::runtime_error("cannot add " + item.name);
        }
        zip_set_file_compression(archive, zip_uint64_t(index),
                                 item.deflate ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
        if (item.symlink) {
            zip_file_set_external_attributes(archive, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                             zip_uint32_t(S_IFLNK | 0777) << 16);
        }
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        throw std::runtime_error("cannot write archive");
    }
}

std::vector<std::string> listTree(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    if (!std::filesystem::exists(folder)) {
        return names;
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        names.push_back(std::filesystem::relative(entry.path(), folder).string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

QString qpath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

TemporaryFolderAt::TemporaryFolderAt(const std::filesystem::path& folder) {
    if (const char* old = std::getenv("TMPDIR")) {
        old_ = old;
    }
    std::filesystem::create_directories(folder);
    setenv("TMPDIR", folder.c_str(), 1);
}

TemporaryFolderAt::~TemporaryFolderAt() {
    if (old_) {
        setenv("TMPDIR", old_->c_str(), 1);
    } else {
        unsetenv("TMPDIR");
    }
}
