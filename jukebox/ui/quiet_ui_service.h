#pragma once

#include "jukebox/ui/ui_service.h"

// A service for runs without a person: messages go nowhere, prompts and file
// dialogs are cancelled and the event pump does nothing. Benchmarks and fuzzers
// derive from it for what they count or steer.
class QuietUiService : public UiService {
public:
    void showMessage(const QString&) override {}
    void fatal(const QString&) override {}
    bool prompt(const QString&, const QString&, QString&) override { return false; }
    QStringList openFileNames(const QString&, const QString&, const QString&) override {
        return {};
    }
    QString saveFileName(const QString&, const QString&, const QString&, const QString&) override {
        return {};
    }
    void dispatchEvents() override {}
};
