#pragma once

#include <QString>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// Where the seed program puts what it makes: seeds/<target>/<name> for the
// starting corpora and dicts/<target>.dict for libFuzzer's -dict option.
class SeedWriter {
public:
    explicit SeedWriter(const QString& outFolder) : out_(outFolder) {}

    // The path a seed of a target is written to (its folder is made); for seeds
    // that a library writes to a file itself.
    QString seedPath(const std::string& target, const std::string& name);
    void seed(const std::string& target, const std::string& name, std::string_view bytes);
    // One token of a target's dictionary, any bytes.
    void token(const std::string& target, std::string_view bytes);
    // Writes the dictionaries; false when something could not be written.
    bool finish();

    void markFailed() { ok_ = false; }
    bool ok() const { return ok_; }
    int seedCount() const { return seeds_; }

private:
    QString out_;
    std::map<std::string, std::vector<std::string>> tokens_;
    bool ok_ = true;
    int seeds_ = 0;
};

// UTF-16 little-endian bytes of text, as the jukebox's own data files hold it.
std::string Utf16Bytes(std::u16string_view text);
