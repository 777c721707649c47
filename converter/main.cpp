#include <iostream>
#include <string>
#include <vector>

#include "converter/pellimorph.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    int code = runPellimorph(args, std::cout, std::cerr);
    std::cout.flush();
    return code;
}
