// The extension lists: the input is audio.flt (video.flt goes through the same
// reader). Every listed extension is classified, and the lists are saved and
// loaded again: a list read from a file must come back as it was, or every
// save in the options sheet would change what the jukebox plays.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_ui_service.h"
#include "fuzz/scratch_folder.h"
#include "jukebox/options/extension_lists.h"

namespace {

const uint8_t kVideoList[] = "avi\r\nmpg\r\n";

[[noreturn]] void changedBySave(const QStringList& before, const QStringList& after) {
    std::fprintf(stderr, "extension list changed by save and load: %lld entries became %lld\n",
                 static_cast<long long>(before.size()), static_cast<long long>(after.size()));
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzUiService ui;
    static const ScratchFolder scratch(QStringLiteral("lists"));
    scratch.write(QString::fromLatin1(ExtensionLists::kAudioFile), data, size);
    scratch.write(QString::fromLatin1(ExtensionLists::kVideoFile), kVideoList,
                  sizeof kVideoList - 1);
    ExtensionLists lists(ui, scratch.path());
    for (const QString& extension : lists.audioExtensions()) {
        lists.ClassifyExtension(extension);
        IsStreamExtension(extension);
    }
    lists.ClassifyExtension(QStringLiteral("MP3"));

    const QStringList audio = lists.audioExtensions();
    if (lists.replaceAndSave(audio, lists.videoExtensions())) {
        ExtensionLists again(ui, scratch.path());
        if (again.audioExtensions() != audio) {
            changedBySave(audio, again.audioExtensions());
        }
    }
    return 0;
}
