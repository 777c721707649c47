// The tracklist file: the input is the file, read through the UTF-16 reader and
// the line splitter into the store, which looks up every line on the disk (tag,
// MPEG facts, dictionary, folder walks). Lines may name the fixture tree
// (TracklistFixture) or anything else; a walk is cut off after kItemBudget items
// so that "/" or a large folder costs no more than a few fixture lines.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_ui_service.h"
#include "fuzz/scratch_folder.h"
#include "fuzz/tracklist_fixture.h"
#include "jukebox/dictionary/dictionary_store.h"
#include "jukebox/options/extension_lists.h"
#include "jukebox/tracklist/tag_page_settings.h"
#include "jukebox/tracklist/tracklist_store.h"
#include "taglib/tag_record.h"

namespace {

constexpr int kItemBudget = 200;

struct Rig {
    FuzzUiService ui;
    ScratchFolder scratch{QStringLiteral("tracklist")};
    ExtensionLists lists{ui,
                         {QStringLiteral("mp3"), QStringLiteral("wav"), QStringLiteral("asf")},
                         {QStringLiteral("avi"), QStringLiteral("mpg")}};
    TagPageSettings tagPage;
    DictionaryStore dictionary{ui, lists, TracklistFixture::root()};

    Rig() {
        tagPage.useAutoTranslate = true;
        dictionary.LoadDictionary();
    }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (!TracklistFixture::ensure()) {
        std::fprintf(stderr, "fuzz harness: cannot make the files below %s\n",
                     qPrintable(TracklistFixture::root()));
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Rig rig;
    // A record of its own per input: a read leaves its code page behind.
    TagRecord record;
    rig.tagPage.applyTo(record);
    record.selectCodePage = true;
    TracklistStore store(rig.ui, rig.lists, record, rig.tagPage, &rig.dictionary);
    store.setTracklistPath(rig.scratch.write(QStringLiteral("input.trk"), data, size));
    rig.ui.setDispatchBudget(kItemBudget, [&store] { store.RequestAbort(); });
    store.LoadTracklist();
    rig.ui.setDispatchBudget(-1, nullptr);
    // What the window does next with a loaded list.
    store.FillList();
    store.SortByKey(SortKey::Name);
    store.NextTrack(true, false);
    return 0;
}
