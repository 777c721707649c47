// The mapping dictionary: the input is default.dic. After the load come the
// look-ups the tracklist makes and an edit, a delete and a save as the
// dictionary window makes them, and the saved file is loaded again.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_ui_service.h"
#include "fuzz/scratch_folder.h"
#include "jukebox/dictionary/dictionary_store.h"
#include "jukebox/options/extension_lists.h"

namespace {

// Rows looked up per input; a large file costs its load, not a look-up each.
constexpr int kRowsLookedUp = 32;

struct Rig {
    FuzzUiService ui;
    ScratchFolder scratch{QStringLiteral("dictionary")};
    ExtensionLists lists{ui, {QStringLiteral("mp3")}, {QStringLiteral("avi")}};
};

void lookUp(const DictionaryStore& store) {
    for (int row = 0; row < store.rowCount() && row < kRowsLookedUp; ++row) {
        const QString& name = store.rowAt(row).filename;
        store.findRow(name);
        store.containsIgnoringCase(name.toUpper());
        TrackEntry entry;
        entry.path = QStringLiteral("music/") + name;
        store.FindInDictionary(entry);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Rig rig;
    rig.scratch.write(QString::fromLatin1(DictionaryStore::kFileName), data, size);
    DictionaryStore store(rig.ui, rig.lists, rig.scratch.path());
    if (!store.LoadDictionary()) {
        return 0;
    }
    lookUp(store);
    if (store.rowCount() > 0) {
        store.setText(0, ColumnFilename, store.rowAt(store.rowCount() - 1).display);
        store.deleteRows({store.rowCount() / 2});
    }
    if (store.SaveDictionary()) {
        store.LoadDictionary();
        lookUp(store);
    }
    return 0;
}
