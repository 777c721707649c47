#pragma once

#include <QImage>
#include <QString>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Skins and archives made by the tests.

// A flat bitmap of one colour.
QImage solidImage(int width, int height, QRgb colour = qRgb(40, 80, 120));

// Writes spec.txt (when spec is not null) and each bitmap as a 24-bit BMP into folder.
void writeSkinFolder(const std::filesystem::path& folder, const char* spec,
                     const std::map<std::string, QImage>& bitmaps);

struct ZipItem {
    std::string name;
    std::string data;
    bool deflate = true;
    bool symlink = false;
};

// Writes a ZIP archive of the items, in order.
void writeZip(const std::filesystem::path& path, const std::vector<ZipItem>& items);

// The files of a folder (relative paths, sorted), sub-folders included.
std::vector<std::string> listTree(const std::filesystem::path& folder);

QString qpath(const std::filesystem::path& path);

// Points the system's temporary folder (TMPDIR) at folder, creating it, while
// it lives.
class TemporaryFolderAt {
public:
    explicit TemporaryFolderAt(const std::filesystem::path& folder);
    ~TemporaryFolderAt();
    TemporaryFolderAt(const TemporaryFolderAt&) = delete;
    TemporaryFolderAt& operator=(const TemporaryFolderAt&) = delete;

private:
    std::optional<std::string> old_;
};
