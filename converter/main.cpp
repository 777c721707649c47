#include <QCoreApplication>
#include <iostream>
#include <string>
#include <vector>

#include "converter/pellimorph.h"
#include "translations/ui_language.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    // The application only carries the translator of the messages.
    QCoreApplication app(argc, argv);
    InstallUiTranslators(app, MessagesLocale());
    int code = runPellimorph(args, std::cout, std::cerr);
    std::cout.flush();
    return code;
}
