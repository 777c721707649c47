#include "fuzz/seeds/seed_writer.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

// A libFuzzer dictionary line: the token in quotes, bytes outside printable
// ASCII (and the quote and backslash) as \xNN.
std::string dictionaryLine(std::string_view bytes) {
    std::string line = "\"";
    for (char c : bytes) {
        auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u >= 0x7F || c == '"' || c == '\\') {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", u);
            line += escaped;
        } else {
            line += c;
        }
    }
    return line + "\"\n";
}

bool writeWhole(const QString& path, std::string_view bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

}  // namespace

QString SeedWriter::seedPath(const std::string& target, const std::string& name) {
    const QString folder = out_ + QStringLiteral("/seeds/") + QString::fromStdString(target);
    if (!QDir().mkpath(folder)) {
        ok_ = false;
    }
    ++seeds_;
    return folder + u'/' + QString::fromStdString(name);
}

void SeedWriter::seed(const std::string& target, const std::string& name, std::string_view bytes) {
    if (!writeWhole(seedPath(target, name), bytes)) {
        ok_ = false;
    }
}

void SeedWriter::token(const std::string& target, std::string_view bytes) {
    tokens_[target].emplace_back(bytes);
}

bool SeedWriter::finish() {
    const QString folder = out_ + QStringLiteral("/dicts");
    ok_ = QDir().mkpath(folder) && ok_;
    for (const auto& [target, tokens] : tokens_) {
        std::string text;
        for (const std::string& token : tokens) {
            text += dictionaryLine(token);
        }
        ok_ = writeWhole(folder + u'/' + QString::fromStdString(target) + QStringLiteral(".dict"),
                         text) &&
              ok_;
    }
    return ok_;
}

std::string Utf16Bytes(std::u16string_view text) {
    std::string bytes;
    for (char16_t unit : text) {
        bytes.push_back(char(unit & 0xFF));
        bytes.push_back(char(unit >> 8));
    }
    return bytes;
}
