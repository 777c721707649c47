#pragma once

#include <ostream>
#include <string>
#include <vector>

// Pellimorph over many files: pellimorph [--dry-run] CPcurrent CPdesired PATH...
struct BatchConversion {
    int source = 0;       // the code page the tags are in now
    bool detect = false;  // "auto": the marker's code page, else the detected one
    int target = 0;
    bool dryRun = false;             // show the texts before and after, write nothing
    std::vector<std::string> paths;  // files and folders, bytes
};

// Converts every MP3 file the paths name, each change kept in the undo journal
// before it is made. Progress goes to out, the files that failed to err. Returns 0
// when every file was done (a file without a tag is left as it is), 1 otherwise.
int convertFiles(const BatchConversion& request, std::ostream& out, std::ostream& err);

// pellimorph --undo: puts back the files of the journal's last run. Returns 0 when
// every file has its old bytes again, 1 otherwise (or with nothing to undo).
int undoLastRun(std::ostream& out, std::ostream& err);
