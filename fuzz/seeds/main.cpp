// Makes the fuzzers' starting corpora and dictionaries from code:
//   velorine_fuzz_seeds <folder>
// writes <folder>/seeds/<fuzzer>/... and <folder>/dicts/<fuzzer>.dict.
#include <QString>
#include <cstdio>

#include "fuzz/seeds/seed_sets.h"
#include "fuzz/seeds/seed_writer.h"
#include "jukebox/common/path_functions.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    SeedWriter out(PathFromLocalBytes(QByteArray(argv[1])));
    AddTagSeeds(out);
    AddDataFileSeeds(out);
    AddSkinSeeds(out);
    AddPictureSeeds(out);
    if (!out.finish()) {
        std::fprintf(stderr, "velorine_fuzz_seeds: could not write everything to %s\n", argv[1]);
        return 1;
    }
    std::printf("velorine_fuzz_seeds: %d seeds in %s\n", out.seedCount(), argv[1]);
    return 0;
}
