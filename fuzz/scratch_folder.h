#pragma once

#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

// A private folder under the temporary folder for the files a fuzzer hands to
// code that reads paths. It goes with the object; scripts/fuzz points TMPDIR at
// a folder of its own that it clears, so a fuzzer that dies leaves nothing behind.
class ScratchFolder {
public:
    explicit ScratchFolder(const QString& label);
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

    // Replaces the file's content with the bytes and returns its path. Aborts the
    // process when the file cannot be written: a harness that cannot hand over
    // its input would fuzz nothing while looking busy.
    QString write(const QString& name, const uint8_t* data, size_t size) const;

private:
    QTemporaryDir dir_;
};
