// A packed skin: the input is the .vlz (ZIP) file. It is loaded as a skin
// (unpacked into the packages' private folder, read, cleaned up) and its
// header read as the skin list does. A fresh SkinPackages per input removes
// whatever an archive left behind.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_ui_service.h"
#include "fuzz/scratch_folder.h"
#include "jukebox/skin/skin_list_entry.h"
#include "jukebox/skin/skin_loader.h"
#include "jukebox/skin/skin_packages.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzUiService ui;
    static const ScratchFolder scratch(QStringLiteral("archive"));
    const QString path = scratch.write(QStringLiteral("input.vlz"), data, size);
    SkinPackages packages(ui);
    SkinDescription skin;
    SkinLoader(ui, packages).LoadSkin(path, skin);
    SkinListEntry entry;
    packages.ReadArchiveHeader(path, entry);
    return 0;
}
