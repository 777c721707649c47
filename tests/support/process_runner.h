#pragma once

#include <string>
#include <vector>

struct ProcessResult {
    int exitCode = -1;   // -1 when the program did not exit normally
    std::string output;  // what it wrote to standard output
    std::string errors;  // what it wrote to standard error
};

// Runs program with args (no shell involved) and waits for it.
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args);
