// A skin folder: the input is its spec.txt, next to small valid bitmaps for
// every control of both views, so that whatever the lines say is measured
// against real strips (bands, frames, digits, glyph cells, the window shape).
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_ui_service.h"
#include "fuzz/scratch_folder.h"
#include "fuzz/skin_sample.h"
#include "jukebox/skin/skin_loader.h"
#include "jukebox/skin/skin_packages.h"

namespace {

struct Rig {
    FuzzUiService ui;
    ScratchFolder scratch{QStringLiteral("skin")};
    SkinPackages packages{ui};

    Rig() {
        for (const auto& [name, bytes] : SkinSample::bitmaps()) {
            scratch.write(QString::fromStdString(name),
                          reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        }
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Rig rig;
    rig.scratch.write(QStringLiteral("spec.txt"), data, size);
    SkinDescription skin;
    SkinLoader(rig.ui, rig.packages).LoadSkin(rig.scratch.path(), skin);
    return 0;
}
