// A skin's spec.txt as text: its control lines through the skin file's line
// parser, and the header lines the skin list shows through the header reader.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_ui_service.h"
#include "fuzz/scratch_folder.h"
#include "jukebox/skin/skin_list_entry.h"
#include "jukebox/skin/spec_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzUiService ui;
    static const ScratchFolder scratch(QStringLiteral("spec"));
    SkinDescription skin;
    SpecParser(ui).parse(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), skin);
    SkinListEntry entry;
    ReadSkinHeader(scratch.write(QStringLiteral("spec.txt"), data, size), entry);
    return 0;
}
