#include "jukebox/ui/console_ui_service.h"

#include <cstdio>

void ConsoleUiService::showMessage(const QString& text) {
    ++messages_;
    if (output_ == Output::PrintMessages) {
        std::fprintf(stderr, "message: %s\n", text.toLocal8Bit().constData());
    }
}
