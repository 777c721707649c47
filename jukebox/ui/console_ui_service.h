#pragma once

#include "jukebox/ui/ui_service.h"

// A UI service for programs without windows (tools, benchmarks): messages are
// counted and, when asked, printed to standard error; prompts and file dialogs are
// cancelled; there are no events to dispatch.
class ConsoleUiService : public UiService {
public:
    enum class Output { Quiet, PrintMessages };
    explicit ConsoleUiService(Output output = Output::Quiet) : output_(output) {}

    void showMessage(const QString& text) override;
    void fatal(const QString& text) override { showMessage(text); }
    bool prompt(const QString&, const QString&, QString&) override { return false; }
    QStringList openFileNames(const QString&, const QString&, const QString&) override {
        return {};
    }
    QString saveFileName(const QString&, const QString&, const QString&, const QString&) override {
        return {};
    }
    void dispatchEvents() override {}

    int messageCount() const { return messages_; }

private:
    Output output_;
    int messages_ = 0;
};
