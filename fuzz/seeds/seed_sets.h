#pragma once

class SeedWriter;

// The seeds and dictionary tokens of each fuzzer, made from code.
void AddTagSeeds(SeedWriter& out);
void AddDataFileSeeds(SeedWriter& out);  // tracklist, dictionary, extension lists,
                                         // playlists
void AddSkinSeeds(SeedWriter& out);      // spec.txt, skin folder, skin archives
void AddPictureSeeds(SeedWriter& out);   // BMP, JPEG, PNG
